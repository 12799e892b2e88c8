-- DBMS_TRANSACTION: transaction control from PL/SQL, distributed-transaction repair and
-- the current transaction's identifier.
-- PARTIAL: members kept only for old releases may be missing.
PACKAGE dbms_transaction AUTHID CURRENT_USER AS

  PROCEDURE advise_commit;
  PROCEDURE advise_nothing;
  PROCEDURE advise_rollback;
  PROCEDURE commit;
  PROCEDURE commit_comment(cmnt IN VARCHAR2);
  PROCEDURE commit_force(xid IN VARCHAR2, scn IN VARCHAR2 DEFAULT NULL);
  FUNCTION local_transaction_id(create_transaction IN BOOLEAN DEFAULT FALSE) RETURN VARCHAR2;
  PROCEDURE purge_lost_db_entry(xid IN VARCHAR2);
  PROCEDURE purge_mixed(xid IN VARCHAR2);
  PROCEDURE read_only;
  PROCEDURE read_write;
  PROCEDURE rollback;
  PROCEDURE rollback_force(xid IN VARCHAR2);
  PROCEDURE rollback_savepoint(savept IN VARCHAR2);
  PROCEDURE savepoint(savept IN VARCHAR2);
  FUNCTION step_id RETURN NUMBER;
  PROCEDURE use_rollback_segment(rb_name IN VARCHAR2);

END dbms_transaction;
