-- XS$ACE_TYPE: an access control entry (privileges granted or denied to a principal),
-- as DBMS_NETWORK_ACL_ADMIN.APPEND_HOST_ACE and the Real Application Security packages
-- take it.
-- PARTIAL: methods added after 19c may be missing.
TYPE xs$ace_type AS OBJECT (
  privileges xs$name_list,
  granted NUMBER,
  inverted NUMBER,
  principal_name VARCHAR2(130),
  principal_type NUMBER,
  start_date TIMESTAMP WITH TIME ZONE,
  end_date TIMESTAMP WITH TIME ZONE,
  CONSTRUCTOR FUNCTION xs$ace_type(privilege_list IN xs$name_list,
                                   granted IN BOOLEAN DEFAULT TRUE,
                                   inverted IN BOOLEAN DEFAULT FALSE,
                                   principal_name IN VARCHAR2,
                                   principal_type IN PLS_INTEGER DEFAULT 1,
                                   start_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL,
                                   end_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL)
    RETURN SELF AS RESULT,
  MEMBER FUNCTION is_granted RETURN BOOLEAN,
  MEMBER FUNCTION is_inverted_principal RETURN BOOLEAN,
  MEMBER FUNCTION get_privileges RETURN xs$name_list,
  MEMBER FUNCTION get_principal_name RETURN VARCHAR2,
  MEMBER FUNCTION get_principal_type RETURN PLS_INTEGER,
  MEMBER FUNCTION get_start_date RETURN TIMESTAMP_TZ_UNCONSTRAINED,
  MEMBER FUNCTION get_end_date RETURN TIMESTAMP_TZ_UNCONSTRAINED,
  MEMBER PROCEDURE set_granted(self IN OUT xs$ace_type, granted IN BOOLEAN),
  MEMBER PROCEDURE set_inverted_principal(self IN OUT xs$ace_type, inverted IN BOOLEAN),
  MEMBER PROCEDURE set_principal(self IN OUT xs$ace_type, principal_name IN VARCHAR2),
  MEMBER PROCEDURE set_principal_type(self IN OUT xs$ace_type, principal_type IN PLS_INTEGER),
  MEMBER PROCEDURE set_privileges(self IN OUT xs$ace_type, privilege_list IN xs$name_list),
  MEMBER PROCEDURE set_start_date(self IN OUT xs$ace_type,
                                  start_date IN TIMESTAMP_TZ_UNCONSTRAINED),
  MEMBER PROCEDURE set_end_date(self IN OUT xs$ace_type, end_date IN TIMESTAMP_TZ_UNCONSTRAINED)
);
