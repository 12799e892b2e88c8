-- UTL_SMTP: an SMTP client: connect (optionally over TLS), authenticate, send the
-- envelope and the message data, and read the server's replies. Most calls exist both as
-- a function returning the reply and as a procedure that raises on an error reply.
PACKAGE utl_smtp AUTHID CURRENT_USER AS

  TYPE connection IS RECORD (
    host VARCHAR2(255),
    port PLS_INTEGER,
    tx_timeout PLS_INTEGER,
    private_tcp_con utl_tcp.connection,
    private_state PLS_INTEGER);
  TYPE reply IS RECORD (
    code PLS_INTEGER,
    text VARCHAR2(508));
  TYPE replies IS TABLE OF reply INDEX BY BINARY_INTEGER;

  all_schemes CONSTANT VARCHAR2(80) := 'CRAM-MD5 PLAIN LOGIN';
  non_clear_text_password_schemes CONSTANT VARCHAR2(80) := 'CRAM-MD5';

  invalid_operation EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_operation, -29277);
  transient_error EXCEPTION;
  PRAGMA EXCEPTION_INIT(transient_error, -29278);
  permanent_error EXCEPTION;
  PRAGMA EXCEPTION_INIT(permanent_error, -29279);
  unsupported_scheme EXCEPTION;
  PRAGMA EXCEPTION_INIT(unsupported_scheme, -24249);
  no_supported_scheme EXCEPTION;
  PRAGMA EXCEPTION_INIT(no_supported_scheme, -24250);

  FUNCTION open_connection(host IN VARCHAR2, port IN PLS_INTEGER DEFAULT 25,
                           c OUT connection, tx_timeout IN PLS_INTEGER DEFAULT NULL,
                           wallet_path IN VARCHAR2 DEFAULT NULL,
                           wallet_password IN VARCHAR2 DEFAULT NULL,
                           secure_connection_before_smtp IN BOOLEAN DEFAULT FALSE,
                           secure_host IN VARCHAR2 DEFAULT NULL) RETURN reply;
  FUNCTION open_connection(host IN VARCHAR2, port IN PLS_INTEGER DEFAULT 25,
                           tx_timeout IN PLS_INTEGER DEFAULT NULL,
                           wallet_path IN VARCHAR2 DEFAULT NULL,
                           wallet_password IN VARCHAR2 DEFAULT NULL,
                           secure_connection_before_smtp IN BOOLEAN DEFAULT FALSE,
                           secure_host IN VARCHAR2 DEFAULT NULL) RETURN connection;
  PROCEDURE close_connection(c IN OUT NOCOPY connection);
  FUNCTION command_replies(c IN OUT NOCOPY connection, cmd IN VARCHAR2,
                           arg IN VARCHAR2 DEFAULT NULL) RETURN replies;
  FUNCTION help(c IN OUT NOCOPY connection, command IN VARCHAR2 DEFAULT NULL) RETURN replies;
  FUNCTION vrfy(c IN OUT NOCOPY connection, recipient IN VARCHAR2) RETURN reply;
  PROCEDURE write_data(c IN OUT NOCOPY connection, data IN VARCHAR2);
  PROCEDURE write_raw_data(c IN OUT NOCOPY connection, data IN RAW);

  FUNCTION auth(c IN OUT NOCOPY connection, username IN VARCHAR2, password IN VARCHAR2,
             schemes IN VARCHAR2 DEFAULT non_clear_text_password_schemes)
    RETURN reply;
  PROCEDURE auth(c IN OUT NOCOPY connection, username IN VARCHAR2, password IN VARCHAR2,
             schemes IN VARCHAR2 DEFAULT non_clear_text_password_schemes);
  FUNCTION close_data(c IN OUT NOCOPY connection)
    RETURN reply;
  PROCEDURE close_data(c IN OUT NOCOPY connection);
  FUNCTION command(c IN OUT NOCOPY connection, cmd IN VARCHAR2, arg IN VARCHAR2 DEFAULT NULL)
    RETURN reply;
  PROCEDURE command(c IN OUT NOCOPY connection, cmd IN VARCHAR2, arg IN VARCHAR2 DEFAULT NULL);
  FUNCTION data(c IN OUT NOCOPY connection, body IN VARCHAR2)
    RETURN reply;
  PROCEDURE data(c IN OUT NOCOPY connection, body IN VARCHAR2);
  FUNCTION ehlo(c IN OUT NOCOPY connection, domain IN VARCHAR2)
    RETURN replies;
  PROCEDURE ehlo(c IN OUT NOCOPY connection, domain IN VARCHAR2);
  FUNCTION helo(c IN OUT NOCOPY connection, domain IN VARCHAR2)
    RETURN reply;
  PROCEDURE helo(c IN OUT NOCOPY connection, domain IN VARCHAR2);
  FUNCTION mail(c IN OUT NOCOPY connection, sender IN VARCHAR2,
             parameters IN VARCHAR2 DEFAULT NULL)
    RETURN reply;
  PROCEDURE mail(c IN OUT NOCOPY connection, sender IN VARCHAR2,
             parameters IN VARCHAR2 DEFAULT NULL);
  FUNCTION noop(c IN OUT NOCOPY connection)
    RETURN reply;
  PROCEDURE noop(c IN OUT NOCOPY connection);
  FUNCTION open_data(c IN OUT NOCOPY connection)
    RETURN reply;
  PROCEDURE open_data(c IN OUT NOCOPY connection);
  FUNCTION quit(c IN OUT NOCOPY connection)
    RETURN reply;
  PROCEDURE quit(c IN OUT NOCOPY connection);
  FUNCTION rcpt(c IN OUT NOCOPY connection, recipient IN VARCHAR2,
             parameters IN VARCHAR2 DEFAULT NULL)
    RETURN reply;
  PROCEDURE rcpt(c IN OUT NOCOPY connection, recipient IN VARCHAR2,
             parameters IN VARCHAR2 DEFAULT NULL);
  FUNCTION rset(c IN OUT NOCOPY connection)
    RETURN reply;
  PROCEDURE rset(c IN OUT NOCOPY connection);
  FUNCTION starttls(c IN OUT NOCOPY connection)
    RETURN reply;
  PROCEDURE starttls(c IN OUT NOCOPY connection);

END utl_smtp;
