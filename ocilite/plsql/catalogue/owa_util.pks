-- OWA_UTIL: utilities of the PL/SQL Web Toolkit: HTTP headers, CGI environment, dynamic
-- HTML from queries, and the identity of the calling unit.
-- PARTIAL: the main subprograms only.
PACKAGE owa_util AUTHID CURRENT_USER AS

  TYPE ident_arr IS TABLE OF VARCHAR2(30) INDEX BY BINARY_INTEGER;
  TYPE num_arr IS TABLE OF NUMBER INDEX BY BINARY_INTEGER;
  TYPE ip_addr IS TABLE OF INTEGER INDEX BY BINARY_INTEGER;
  TYPE datetype IS TABLE OF VARCHAR2(10) INDEX BY BINARY_INTEGER;
  TYPE vc_arr IS TABLE OF VARCHAR2(32000) INDEX BY BINARY_INTEGER;

  -- ntable_type of TABLEPRINT
  html_table CONSTANT INTEGER := 1;
  pre_table CONSTANT INTEGER := 2;

  PROCEDURE calendarprint(p_query IN VARCHAR2, p_mf_only IN VARCHAR2 DEFAULT 'N');
  PROCEDURE choose_date(p_name IN VARCHAR2, p_date IN DATE DEFAULT SYSDATE);
  FUNCTION get_cgi_env(param_name IN VARCHAR2) RETURN VARCHAR2;
  FUNCTION get_owa_service_path RETURN VARCHAR2;
  FUNCTION get_procedure RETURN VARCHAR2;
  FUNCTION get_version RETURN VARCHAR2;
  PROCEDURE http_header_close;
  PROCEDURE listprint(p_thequery IN VARCHAR2, p_cname IN VARCHAR2, p_nsize IN NUMBER,
                      p_multiple IN BOOLEAN DEFAULT FALSE);
  PROCEDURE mime_header(ccontent_type IN VARCHAR2 DEFAULT 'text/html',
                        bclose_header IN BOOLEAN DEFAULT TRUE,
                        ccharset IN VARCHAR2 DEFAULT NULL);
  PROCEDURE print_cgi_env;
  PROCEDURE redirect_url(curl IN VARCHAR2, bclose_header IN BOOLEAN DEFAULT TRUE);
  PROCEDURE showpage;
  PROCEDURE showsource(cname IN VARCHAR2);
  PROCEDURE signature;
  PROCEDURE signature(cname IN VARCHAR2);
  PROCEDURE status_line(nstatus IN INTEGER, creason IN VARCHAR2 DEFAULT NULL,
                        bclose_header IN BOOLEAN DEFAULT TRUE);
  FUNCTION tableprint(ctable IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL,
                      ntable_type IN INTEGER DEFAULT html_table,
                      ccolumns IN VARCHAR2 DEFAULT '*', cclauses IN VARCHAR2 DEFAULT NULL,
                      ccol_aliases IN VARCHAR2 DEFAULT NULL, nrow_min IN NUMBER DEFAULT 0,
                      nrow_max IN NUMBER DEFAULT NULL) RETURN BOOLEAN;
  FUNCTION todate(p_datearray IN datetype) RETURN DATE;
  PROCEDURE who_called_me(owner OUT VARCHAR2, name OUT VARCHAR2, lineno OUT NUMBER,
                          caller_t OUT VARCHAR2);

END owa_util;
