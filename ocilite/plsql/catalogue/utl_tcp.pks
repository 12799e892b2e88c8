-- UTL_TCP: TCP/IP client connections (optionally TLS) from PL/SQL: open, read, write,
-- flush and close.
PACKAGE utl_tcp AUTHID CURRENT_USER AS

  TYPE connection IS RECORD (
    remote_host VARCHAR2(255),
    remote_port PLS_INTEGER,
    local_host VARCHAR2(255),
    local_port PLS_INTEGER,
    charset VARCHAR2(30),
    newline VARCHAR2(2),
    tx_timeout PLS_INTEGER,
    private_sd PLS_INTEGER);

  crlf CONSTANT VARCHAR2(2 CHAR) := CHR(13) || CHR(10);

  buffer_too_small EXCEPTION;
  PRAGMA EXCEPTION_INIT(buffer_too_small, -29258);
  end_of_input EXCEPTION;
  PRAGMA EXCEPTION_INIT(end_of_input, -29259);
  network_error EXCEPTION;
  PRAGMA EXCEPTION_INIT(network_error, -29260);
  bad_argument EXCEPTION;
  PRAGMA EXCEPTION_INIT(bad_argument, -29261);
  partial_multibyte_char EXCEPTION;
  PRAGMA EXCEPTION_INIT(partial_multibyte_char, -29275);
  transfer_timeout EXCEPTION;
  PRAGMA EXCEPTION_INIT(transfer_timeout, -29276);
  network_access_denied EXCEPTION;
  PRAGMA EXCEPTION_INIT(network_access_denied, -24247);

  FUNCTION available(c IN OUT NOCOPY connection, timeout IN PLS_INTEGER DEFAULT 0)
    RETURN PLS_INTEGER;
  PROCEDURE close_all_connections;
  PROCEDURE close_connection(c IN OUT NOCOPY connection);
  PROCEDURE flush(c IN OUT NOCOPY connection);
  FUNCTION get_line(c IN OUT NOCOPY connection, remove_crlf IN BOOLEAN DEFAULT FALSE,
                    peek IN BOOLEAN DEFAULT FALSE) RETURN VARCHAR2;
  FUNCTION get_line_nchar(c IN OUT NOCOPY connection, remove_crlf IN BOOLEAN DEFAULT FALSE,
                          peek IN BOOLEAN DEFAULT FALSE) RETURN NVARCHAR2;
  FUNCTION get_raw(c IN OUT NOCOPY connection, len IN PLS_INTEGER DEFAULT 1,
                   peek IN BOOLEAN DEFAULT FALSE) RETURN RAW;
  FUNCTION get_text(c IN OUT NOCOPY connection, len IN PLS_INTEGER DEFAULT 1,
                    peek IN BOOLEAN DEFAULT FALSE) RETURN VARCHAR2;
  FUNCTION get_text_nchar(c IN OUT NOCOPY connection, len IN PLS_INTEGER DEFAULT 1,
                          peek IN BOOLEAN DEFAULT FALSE) RETURN NVARCHAR2;
  FUNCTION open_connection(remote_host IN VARCHAR2, remote_port IN PLS_INTEGER,
                           local_host IN VARCHAR2 DEFAULT NULL,
                           local_port IN PLS_INTEGER DEFAULT NULL,
                           in_buffer_size IN PLS_INTEGER DEFAULT NULL,
                           out_buffer_size IN PLS_INTEGER DEFAULT NULL,
                           charset IN VARCHAR2 DEFAULT NULL,
                           newline IN VARCHAR2 DEFAULT crlf,
                           tx_timeout IN PLS_INTEGER DEFAULT NULL,
                           wallet_path IN VARCHAR2 DEFAULT NULL,
                           wallet_password IN VARCHAR2 DEFAULT NULL) RETURN connection;
  FUNCTION read_line(c IN OUT NOCOPY connection, data IN OUT NOCOPY VARCHAR2,
                     remove_crlf IN BOOLEAN DEFAULT FALSE, peek IN BOOLEAN DEFAULT FALSE)
    RETURN PLS_INTEGER;
  FUNCTION read_raw(c IN OUT NOCOPY connection, data IN OUT NOCOPY RAW,
                    len IN PLS_INTEGER DEFAULT 1, peek IN BOOLEAN DEFAULT FALSE)
    RETURN PLS_INTEGER;
  FUNCTION read_text(c IN OUT NOCOPY connection, data IN OUT NOCOPY VARCHAR2,
                     len IN PLS_INTEGER DEFAULT 1, peek IN BOOLEAN DEFAULT FALSE)
    RETURN PLS_INTEGER;
  PROCEDURE secure_connection(c IN OUT NOCOPY connection);
  FUNCTION write_line(c IN OUT NOCOPY connection, data IN VARCHAR2 DEFAULT NULL)
    RETURN PLS_INTEGER;
  FUNCTION write_line_nchar(c IN OUT NOCOPY connection, data IN NVARCHAR2 DEFAULT NULL)
    RETURN PLS_INTEGER;
  FUNCTION write_raw(c IN OUT NOCOPY connection, data IN RAW, len IN PLS_INTEGER DEFAULT NULL)
    RETURN PLS_INTEGER;
  FUNCTION write_text(c IN OUT NOCOPY connection, data IN VARCHAR2,
                      len IN PLS_INTEGER DEFAULT NULL) RETURN PLS_INTEGER;
  FUNCTION write_text_nchar(c IN OUT NOCOPY connection, data IN NVARCHAR2,
                            len IN PLS_INTEGER DEFAULT NULL) RETURN PLS_INTEGER;

END utl_tcp;
