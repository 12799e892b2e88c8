-- DBMS_ALERT: transactional signals between sessions (register, signal on commit, wait).
PACKAGE dbms_alert AUTHID DEFINER AS

  maxwait CONSTANT INTEGER := 86400000;

  PROCEDURE register(name IN VARCHAR2, cleanup IN BOOLEAN DEFAULT TRUE);
  PROCEDURE remove(name IN VARCHAR2);
  PROCEDURE removeall;
  PROCEDURE set_defaults(sensitivity IN NUMBER);
  PROCEDURE signal(name IN VARCHAR2, message IN VARCHAR2);
  PROCEDURE waitany(name OUT VARCHAR2, message OUT VARCHAR2, status OUT INTEGER,
                    timeout IN NUMBER DEFAULT maxwait);
  PROCEDURE waitone(name IN VARCHAR2, message OUT VARCHAR2, status OUT INTEGER,
                    timeout IN NUMBER DEFAULT maxwait);

END dbms_alert;
