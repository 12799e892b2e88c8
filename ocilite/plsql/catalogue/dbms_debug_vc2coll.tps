-- DBMS_DEBUG_VC2COLL: a nested table of strings that Oracle supplies, often used as a
-- general-purpose string collection.
TYPE dbms_debug_vc2coll AS TABLE OF VARCHAR2(1000);
