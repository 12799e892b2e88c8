-- DBMS_PIPE: messages between sessions of one instance through named pipes (pack, send,
-- receive, unpack).
PACKAGE dbms_pipe AUTHID DEFINER AS

  maxwait CONSTANT INTEGER := 86400000;

  FUNCTION create_pipe(pipename IN VARCHAR2, maxpipesize IN INTEGER DEFAULT 8192,
                       private IN BOOLEAN DEFAULT TRUE) RETURN INTEGER;
  FUNCTION next_item_type RETURN INTEGER;
  PROCEDURE pack_message(item IN VARCHAR2);
  PROCEDURE pack_message(item IN NCHAR);
  PROCEDURE pack_message(item IN NUMBER);
  PROCEDURE pack_message(item IN DATE);
  PROCEDURE pack_message_raw(item IN RAW);
  PROCEDURE pack_message_rowid(item IN ROWID);
  PROCEDURE purge(pipename IN VARCHAR2);
  FUNCTION receive_message(pipename IN VARCHAR2, timeout IN INTEGER DEFAULT maxwait)
    RETURN INTEGER;
  FUNCTION remove_pipe(pipename IN VARCHAR2) RETURN INTEGER;
  PROCEDURE reset_buffer;
  FUNCTION send_message(pipename IN VARCHAR2, timeout IN INTEGER DEFAULT maxwait,
                        maxpipesize IN INTEGER DEFAULT 8192) RETURN INTEGER;
  FUNCTION unique_session_name RETURN VARCHAR2;
  PROCEDURE unpack_message(item OUT VARCHAR2);
  PROCEDURE unpack_message(item OUT NCHAR);
  PROCEDURE unpack_message(item OUT NUMBER);
  PROCEDURE unpack_message(item OUT DATE);
  PROCEDURE unpack_message_raw(item OUT RAW);
  PROCEDURE unpack_message_rowid(item OUT ROWID);

END dbms_pipe;
