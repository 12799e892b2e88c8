-- DBMS_DB_VERSION: static constants describing the database release, for conditional
-- compilation ($IF DBMS_DB_VERSION.VER_LE_12_2 $THEN ...). The values are those of
-- Oracle Database 19c, the release the embedded database stands in for; releases 21c
-- and 23ai add VER_LE_21 and VER_LE_23 and change VERSION and RELEASE.
PACKAGE dbms_db_version AUTHID DEFINER AS

  version CONSTANT PLS_INTEGER := 19;
  release CONSTANT PLS_INTEGER := 0;

  ver_le_9 CONSTANT BOOLEAN := FALSE;
  ver_le_9_1 CONSTANT BOOLEAN := FALSE;
  ver_le_9_2 CONSTANT BOOLEAN := FALSE;
  ver_le_10 CONSTANT BOOLEAN := FALSE;
  ver_le_10_1 CONSTANT BOOLEAN := FALSE;
  ver_le_10_2 CONSTANT BOOLEAN := FALSE;
  ver_le_11 CONSTANT BOOLEAN := FALSE;
  ver_le_11_1 CONSTANT BOOLEAN := FALSE;
  ver_le_11_2 CONSTANT BOOLEAN := FALSE;
  ver_le_12 CONSTANT BOOLEAN := FALSE;
  ver_le_12_1 CONSTANT BOOLEAN := FALSE;
  ver_le_12_2 CONSTANT BOOLEAN := FALSE;
  ver_le_18 CONSTANT BOOLEAN := FALSE;
  ver_le_19 CONSTANT BOOLEAN := TRUE;

END dbms_db_version;
