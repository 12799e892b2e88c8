-- UTL_LMS: message texts from Oracle's message files, and FORMAT_MESSAGE, which fills
-- %s and %d placeholders.
PACKAGE utl_lms AUTHID DEFINER AS

  FUNCTION get_message(errnum IN PLS_INTEGER, product IN VARCHAR2, facility IN VARCHAR2,
                       language IN VARCHAR2, message OUT NOCOPY VARCHAR2) RETURN PLS_INTEGER;
  FUNCTION get_message(errnum IN PLS_INTEGER, product IN VARCHAR2, facility IN VARCHAR2,
                       language IN VARCHAR2, message OUT NOCOPY NVARCHAR2)
    RETURN PLS_INTEGER;
  -- SYNTAX: FORMAT_MESSAGE takes the format and then any number of arguments (up to 20
  -- are declared here); a compiler accepts more.
  FUNCTION format_message(format IN VARCHAR2, args1 IN VARCHAR2 DEFAULT NULL,
                          args2 IN VARCHAR2 DEFAULT NULL, args3 IN VARCHAR2 DEFAULT NULL,
                          args4 IN VARCHAR2 DEFAULT NULL, args5 IN VARCHAR2 DEFAULT NULL,
                          args6 IN VARCHAR2 DEFAULT NULL, args7 IN VARCHAR2 DEFAULT NULL,
                          args8 IN VARCHAR2 DEFAULT NULL, args9 IN VARCHAR2 DEFAULT NULL,
                          args10 IN VARCHAR2 DEFAULT NULL, args11 IN VARCHAR2 DEFAULT NULL,
                          args12 IN VARCHAR2 DEFAULT NULL, args13 IN VARCHAR2 DEFAULT NULL,
                          args14 IN VARCHAR2 DEFAULT NULL, args15 IN VARCHAR2 DEFAULT NULL,
                          args16 IN VARCHAR2 DEFAULT NULL, args17 IN VARCHAR2 DEFAULT NULL,
                          args18 IN VARCHAR2 DEFAULT NULL, args19 IN VARCHAR2 DEFAULT NULL,
                          args20 IN VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;

END utl_lms;
