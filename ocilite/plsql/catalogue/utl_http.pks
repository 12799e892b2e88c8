-- UTL_HTTP: HTTP and HTTPS requests from PL/SQL: the one-call REQUEST functions, and the
-- request/response interface with headers, authentication, cookies, persistent
-- connections and request contexts.
-- PARTIAL: rarely used settings may be missing.
PACKAGE utl_http AUTHID CURRENT_USER AS

  TYPE req IS RECORD (
    url VARCHAR2(32767),
    method VARCHAR2(64),
    http_version VARCHAR2(64),
    private_hndl PLS_INTEGER);
  TYPE resp IS RECORD (
    status_code PLS_INTEGER,
    reason_phrase VARCHAR2(256),
    http_version VARCHAR2(64),
    private_hndl PLS_INTEGER);
  TYPE cookie IS RECORD (
    name VARCHAR2(256),
    value VARCHAR2(1024),
    domain VARCHAR2(256),
    expire TIMESTAMP WITH TIME ZONE,
    path VARCHAR2(1024),
    secure BOOLEAN,
    version PLS_INTEGER,
    comment VARCHAR2(1024));
  TYPE cookie_table IS TABLE OF cookie INDEX BY BINARY_INTEGER;
  TYPE connection IS RECORD (
    host VARCHAR2(256),
    port PLS_INTEGER,
    proxy_host VARCHAR2(256),
    proxy_port PLS_INTEGER,
    ssl BOOLEAN);
  TYPE connection_table IS TABLE OF connection INDEX BY BINARY_INTEGER;
  TYPE html_pieces IS TABLE OF VARCHAR2(2000) INDEX BY BINARY_INTEGER;
  SUBTYPE request_context_key IS PLS_INTEGER;

  http_version_1_0 CONSTANT VARCHAR2(10) := 'HTTP/1.0';
  http_version_1_1 CONSTANT VARCHAR2(10) := 'HTTP/1.1';
  default_http_port CONSTANT PLS_INTEGER := 80;
  default_https_port CONSTANT PLS_INTEGER := 443;

  -- Status codes
  http_continue CONSTANT PLS_INTEGER := 100;
  http_switching_protocols CONSTANT PLS_INTEGER := 101;
  http_ok CONSTANT PLS_INTEGER := 200;
  http_created CONSTANT PLS_INTEGER := 201;
  http_accepted CONSTANT PLS_INTEGER := 202;
  http_non_authoritative_info CONSTANT PLS_INTEGER := 203;
  http_no_content CONSTANT PLS_INTEGER := 204;
  http_reset_content CONSTANT PLS_INTEGER := 205;
  http_partial_content CONSTANT PLS_INTEGER := 206;
  http_multiple_choices CONSTANT PLS_INTEGER := 300;
  http_moved_permanently CONSTANT PLS_INTEGER := 301;
  http_found CONSTANT PLS_INTEGER := 302;
  http_see_other CONSTANT PLS_INTEGER := 303;
  http_not_modified CONSTANT PLS_INTEGER := 304;
  http_use_proxy CONSTANT PLS_INTEGER := 305;
  http_temporary_redirect CONSTANT PLS_INTEGER := 307;
  http_bad_request CONSTANT PLS_INTEGER := 400;
  http_unauthorized CONSTANT PLS_INTEGER := 401;
  http_payment_required CONSTANT PLS_INTEGER := 402;
  http_forbidden CONSTANT PLS_INTEGER := 403;
  http_not_found CONSTANT PLS_INTEGER := 404;
  http_method_not_allowed CONSTANT PLS_INTEGER := 405;
  http_not_acceptable CONSTANT PLS_INTEGER := 406;
  http_proxy_auth_required CONSTANT PLS_INTEGER := 407;
  http_request_time_out CONSTANT PLS_INTEGER := 408;
  http_conflict CONSTANT PLS_INTEGER := 409;
  http_gone CONSTANT PLS_INTEGER := 410;
  http_length_required CONSTANT PLS_INTEGER := 411;
  http_precondition_failed CONSTANT PLS_INTEGER := 412;
  http_request_entity_too_large CONSTANT PLS_INTEGER := 413;
  http_request_uri_too_large CONSTANT PLS_INTEGER := 414;
  http_unsupported_media_type CONSTANT PLS_INTEGER := 415;
  http_req_range_not_satisfiable CONSTANT PLS_INTEGER := 416;
  http_expectation_failed CONSTANT PLS_INTEGER := 417;
  http_internal_server_error CONSTANT PLS_INTEGER := 500;
  http_not_implemented CONSTANT PLS_INTEGER := 501;
  http_bad_gateway CONSTANT PLS_INTEGER := 502;
  http_service_unavailable CONSTANT PLS_INTEGER := 503;
  http_gateway_time_out CONSTANT PLS_INTEGER := 504;
  http_version_not_supported CONSTANT PLS_INTEGER := 505;

  init_failed EXCEPTION;
  PRAGMA EXCEPTION_INIT(init_failed, -29272);
  request_failed EXCEPTION;
  PRAGMA EXCEPTION_INIT(request_failed, -29273);
  bad_argument EXCEPTION;
  PRAGMA EXCEPTION_INIT(bad_argument, -29261);
  bad_url EXCEPTION;
  PRAGMA EXCEPTION_INIT(bad_url, -29262);
  protocol_error EXCEPTION;
  PRAGMA EXCEPTION_INIT(protocol_error, -29263);
  unknown_scheme EXCEPTION;
  PRAGMA EXCEPTION_INIT(unknown_scheme, -29264);
  header_not_found EXCEPTION;
  PRAGMA EXCEPTION_INIT(header_not_found, -29265);
  end_of_body EXCEPTION;
  PRAGMA EXCEPTION_INIT(end_of_body, -29266);
  illegal_call EXCEPTION;
  PRAGMA EXCEPTION_INIT(illegal_call, -29267);
  http_client_error EXCEPTION;
  PRAGMA EXCEPTION_INIT(http_client_error, -29268);
  http_server_error EXCEPTION;
  PRAGMA EXCEPTION_INIT(http_server_error, -29269);
  too_many_requests EXCEPTION;
  PRAGMA EXCEPTION_INIT(too_many_requests, -29270);
  partial_multibyte_char EXCEPTION;
  PRAGMA EXCEPTION_INIT(partial_multibyte_char, -29275);
  transfer_timeout EXCEPTION;
  PRAGMA EXCEPTION_INIT(transfer_timeout, -29276);
  network_access_denied EXCEPTION;
  PRAGMA EXCEPTION_INIT(network_access_denied, -24247);

  ---------------------------------------------------------------------------------------
  -- Simple requests
  ---------------------------------------------------------------------------------------
  FUNCTION request(url IN VARCHAR2, proxy IN VARCHAR2 DEFAULT NULL,
                   wallet_path IN VARCHAR2 DEFAULT NULL,
                   wallet_password IN VARCHAR2 DEFAULT NULL,
                   https_host IN VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION request_pieces(url IN VARCHAR2, max_pieces IN NATURAL DEFAULT 32767,
                          proxy IN VARCHAR2 DEFAULT NULL,
                          wallet_path IN VARCHAR2 DEFAULT NULL,
                          wallet_password IN VARCHAR2 DEFAULT NULL,
                          https_host IN VARCHAR2 DEFAULT NULL) RETURN html_pieces;

  ---------------------------------------------------------------------------------------
  -- Session settings
  ---------------------------------------------------------------------------------------
  PROCEDURE get_body_charset(charset OUT NOCOPY VARCHAR2);
  PROCEDURE set_body_charset(charset IN VARCHAR2 DEFAULT NULL);
  PROCEDURE get_cookie_support(enable OUT BOOLEAN, max_cookies OUT PLS_INTEGER,
                               max_cookies_per_site OUT PLS_INTEGER);
  PROCEDURE set_cookie_support(enable IN BOOLEAN, max_cookies IN PLS_INTEGER DEFAULT 300,
                               max_cookies_per_site IN PLS_INTEGER DEFAULT 20);
  PROCEDURE get_detailed_excp_support(enable OUT BOOLEAN);
  PROCEDURE set_detailed_excp_support(enable IN BOOLEAN DEFAULT FALSE);
  PROCEDURE get_follow_redirect(max_redirects OUT PLS_INTEGER);
  PROCEDURE set_follow_redirect(max_redirects IN PLS_INTEGER DEFAULT 3);
  PROCEDURE get_persistent_conn_support(enable OUT BOOLEAN, max_conns OUT PLS_INTEGER);
  PROCEDURE set_persistent_conn_support(enable IN BOOLEAN, max_conns IN PLS_INTEGER DEFAULT 0);
  PROCEDURE get_proxy(proxy OUT NOCOPY VARCHAR2, no_proxy_domains OUT NOCOPY VARCHAR2);
  PROCEDURE set_proxy(proxy IN VARCHAR2, no_proxy_domains IN VARCHAR2 DEFAULT NULL);
  PROCEDURE get_response_error_check(enable OUT BOOLEAN);
  PROCEDURE set_response_error_check(enable IN BOOLEAN DEFAULT FALSE);
  PROCEDURE get_transfer_timeout(timeout OUT PLS_INTEGER);
  PROCEDURE set_transfer_timeout(timeout IN PLS_INTEGER DEFAULT 60);
  PROCEDURE set_wallet(path IN VARCHAR2, password IN VARCHAR2 DEFAULT NULL);

  ---------------------------------------------------------------------------------------
  -- Requests
  ---------------------------------------------------------------------------------------
  FUNCTION begin_request(url IN VARCHAR2, method IN VARCHAR2 DEFAULT 'GET',
                         http_version IN VARCHAR2 DEFAULT NULL,
                         request_context IN request_context_key DEFAULT NULL,
                         https_host IN VARCHAR2 DEFAULT NULL) RETURN req;
  PROCEDURE set_header(r IN OUT NOCOPY req, name IN VARCHAR2, value IN VARCHAR2 DEFAULT NULL);
  PROCEDURE set_authentication(r IN OUT NOCOPY req, username IN VARCHAR2,
                               password IN VARCHAR2 DEFAULT NULL,
                               scheme IN VARCHAR2 DEFAULT 'Basic',
                               for_proxy IN BOOLEAN DEFAULT FALSE);
  PROCEDURE set_authentication_from_wallet(r IN OUT NOCOPY req, alias IN VARCHAR2,
                                           scheme IN VARCHAR2 DEFAULT 'Basic',
                                           for_proxy IN BOOLEAN DEFAULT FALSE);
  PROCEDURE set_body_charset(r IN OUT NOCOPY req, charset IN VARCHAR2 DEFAULT NULL);
  PROCEDURE set_cookie_support(r IN OUT NOCOPY req, enable IN BOOLEAN DEFAULT TRUE);
  PROCEDURE set_follow_redirect(r IN OUT NOCOPY req, max_redirects IN PLS_INTEGER DEFAULT 3);
  PROCEDURE set_persistent_conn_support(r IN OUT NOCOPY req,
                                        enable IN BOOLEAN DEFAULT FALSE);
  PROCEDURE write_line(r IN OUT NOCOPY req, data IN VARCHAR2);
  PROCEDURE write_raw(r IN OUT NOCOPY req, data IN RAW);
  PROCEDURE write_text(r IN OUT NOCOPY req, data IN VARCHAR2);
  PROCEDURE end_request(r IN OUT NOCOPY req);

  ---------------------------------------------------------------------------------------
  -- Responses
  ---------------------------------------------------------------------------------------
  FUNCTION get_response(r IN OUT NOCOPY req, return_info_response IN BOOLEAN DEFAULT FALSE)
    RETURN resp;
  PROCEDURE get_authentication(r IN OUT NOCOPY resp, scheme OUT VARCHAR2, realm OUT VARCHAR2,
                               for_proxy IN BOOLEAN DEFAULT FALSE);
  PROCEDURE get_header(r IN OUT NOCOPY resp, n IN PLS_INTEGER, name OUT NOCOPY VARCHAR2,
                       value OUT NOCOPY VARCHAR2);
  PROCEDURE get_header_by_name(r IN OUT NOCOPY resp, name IN VARCHAR2,
                               value OUT NOCOPY VARCHAR2, n IN PLS_INTEGER DEFAULT 1);
  FUNCTION get_header_count(r IN OUT NOCOPY resp) RETURN PLS_INTEGER;
  PROCEDURE set_body_charset(r IN OUT NOCOPY resp, charset IN VARCHAR2 DEFAULT NULL);
  PROCEDURE read_line(r IN OUT NOCOPY resp, data OUT NOCOPY VARCHAR2,
                      remove_crlf IN BOOLEAN DEFAULT FALSE);
  PROCEDURE read_raw(r IN OUT NOCOPY resp, data OUT NOCOPY RAW, len IN PLS_INTEGER DEFAULT NULL);
  PROCEDURE read_text(r IN OUT NOCOPY resp, data OUT NOCOPY VARCHAR2,
                      len IN PLS_INTEGER DEFAULT NULL);
  PROCEDURE end_response(r IN OUT NOCOPY resp);

  ---------------------------------------------------------------------------------------
  -- Cookies and persistent connections
  ---------------------------------------------------------------------------------------
  PROCEDURE add_cookies(cookies IN cookie_table);
  PROCEDURE clear_cookies;
  FUNCTION get_cookie_count RETURN PLS_INTEGER;
  PROCEDURE get_cookies(cookies IN OUT NOCOPY cookie_table);
  PROCEDURE close_persistent_conn(conn IN connection);
  PROCEDURE close_persistent_conns(host IN VARCHAR2 DEFAULT NULL,
                                   port IN PLS_INTEGER DEFAULT NULL,
                                   proxy_host IN VARCHAR2 DEFAULT NULL,
                                   proxy_port IN PLS_INTEGER DEFAULT NULL,
                                   ssl IN BOOLEAN DEFAULT NULL);
  FUNCTION get_persistent_conn_count RETURN PLS_INTEGER;
  PROCEDURE get_persistent_conns(connections IN OUT NOCOPY connection_table);

  ---------------------------------------------------------------------------------------
  -- Errors and request contexts
  ---------------------------------------------------------------------------------------
  FUNCTION get_detailed_sqlcode RETURN PLS_INTEGER;
  FUNCTION get_detailed_sqlerrm RETURN VARCHAR2;
  FUNCTION create_request_context(wallet_path IN VARCHAR2 DEFAULT NULL,
                                  wallet_password IN VARCHAR2 DEFAULT NULL,
                                  enable_cookie_support IN BOOLEAN DEFAULT TRUE,
                                  max_cookies IN PLS_INTEGER DEFAULT 300,
                                  max_cookies_per_site IN PLS_INTEGER DEFAULT 20)
    RETURN request_context_key;
  PROCEDURE destroy_request_context(request_context IN request_context_key);

END utl_http;
