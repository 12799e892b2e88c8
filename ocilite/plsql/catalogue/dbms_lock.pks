-- DBMS_LOCK: user locks through the lock management services (request, convert,
-- release by number or by handle) and SLEEP.
PACKAGE dbms_lock AUTHID DEFINER AS

  -- Lock modes
  nl_mode CONSTANT INTEGER := 1;
  ss_mode CONSTANT INTEGER := 2;
  sx_mode CONSTANT INTEGER := 3;
  s_mode CONSTANT INTEGER := 4;
  ssx_mode CONSTANT INTEGER := 5;
  x_mode CONSTANT INTEGER := 6;
  -- Wait for ever
  maxwait CONSTANT INTEGER := 32767;

  PROCEDURE allocate_unique(lockname IN VARCHAR2, lockhandle OUT VARCHAR2,
                            expiration_secs IN INTEGER DEFAULT 864000);
  PROCEDURE allocate_unique_autonomous(lockname IN VARCHAR2, lockhandle OUT VARCHAR2,
                                       expiration_secs IN INTEGER DEFAULT 864000);
  FUNCTION convert(id IN INTEGER, lockmode IN INTEGER, timeout IN NUMBER DEFAULT maxwait)
    RETURN INTEGER;
  FUNCTION convert(lockhandle IN VARCHAR2, lockmode IN INTEGER,
                   timeout IN NUMBER DEFAULT maxwait) RETURN INTEGER;
  FUNCTION release(id IN INTEGER) RETURN INTEGER;
  FUNCTION release(lockhandle IN VARCHAR2) RETURN INTEGER;
  FUNCTION request(id IN INTEGER, lockmode IN INTEGER DEFAULT x_mode,
                   timeout IN INTEGER DEFAULT maxwait,
                   release_on_commit IN BOOLEAN DEFAULT FALSE) RETURN INTEGER;
  FUNCTION request(lockhandle IN VARCHAR2, lockmode IN INTEGER DEFAULT x_mode,
                   timeout IN INTEGER DEFAULT maxwait,
                   release_on_commit IN BOOLEAN DEFAULT FALSE) RETURN INTEGER;
  PROCEDURE sleep(seconds IN NUMBER);

END dbms_lock;
