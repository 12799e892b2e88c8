-- OWA: the PL/SQL Web Toolkit's gateway interface: the CGI environment the gateway
-- passes in and the page buffer it reads back. Only the members that application code
-- uses are in the catalogue.
-- PARTIAL: the members that applications use only.
PACKAGE owa AUTHID DEFINER AS

  TYPE vc_arr IS TABLE OF VARCHAR2(32000) INDEX BY BINARY_INTEGER;
  TYPE nc_arr IS TABLE OF NVARCHAR2(16000) INDEX BY BINARY_INTEGER;
  TYPE raw_arr IS TABLE OF RAW(32000) INDEX BY BINARY_INTEGER;

  nl_char CONSTANT VARCHAR2(10) := CHR(10);

  -- The CGI environment of the current request
  num_cgi_vars NUMBER;
  cgi_var_name vc_arr;
  cgi_var_val vc_arr;

  FUNCTION initialize RETURN INTEGER;
  PROCEDURE init_cgi_env(num_params IN NUMBER, param_name IN vc_arr, param_val IN vc_arr);
  PROCEDURE get_page(thepage OUT NOCOPY htp.htbuf_arr, irows IN OUT INTEGER);
  FUNCTION get_user_id RETURN VARCHAR2;
  FUNCTION get_password RETURN VARCHAR2;

END owa;
