-- UTL_URL: escaping and unescaping of URLs (%XX notation).
PACKAGE utl_url AUTHID DEFINER AS

  bad_url EXCEPTION;
  PRAGMA EXCEPTION_INIT(bad_url, -29262);
  bad_fixed_width_charset EXCEPTION;
  PRAGMA EXCEPTION_INIT(bad_fixed_width_charset, -29274);

  -- url_charset defaults to the body character set of UTL_HTTP.
  FUNCTION escape(url IN VARCHAR2, escape_reserved_chars IN BOOLEAN DEFAULT FALSE,
                  url_charset IN VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION unescape(url IN VARCHAR2, url_charset IN VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;

END utl_url;
