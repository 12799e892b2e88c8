-- DBMS_NETWORK_ACL_ADMIN: access control of network services (UTL_HTTP, UTL_TCP,
-- UTL_SMTP, UTL_MAIL) and wallets: the host and wallet ACE calls of 12c and the
-- deprecated XML DB ACL calls of earlier releases.
-- PARTIAL: members added after 19c may be missing.
PACKAGE dbms_network_acl_admin AUTHID CURRENT_USER AS

  ace_already_exists EXCEPTION;
  PRAGMA EXCEPTION_INIT(ace_already_exists, -24243);
  empty_acl EXCEPTION;
  PRAGMA EXCEPTION_INIT(empty_acl, -24246);
  acl_not_found EXCEPTION;
  PRAGMA EXCEPTION_INIT(acl_not_found, -31001);
  acl_already_exists EXCEPTION;
  PRAGMA EXCEPTION_INIT(acl_already_exists, -31003);
  invalid_acl_path EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_acl_path, -46059);
  invalid_host EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_host, -24244);
  invalid_privilege EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_privilege, -24245);
  invalid_wallet_path EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_wallet_path, -29248);
  bad_argument EXCEPTION;
  PRAGMA EXCEPTION_INIT(bad_argument, -29261);

  -- 12c and later
  PROCEDURE append_host_ace(host IN VARCHAR2, lower_port IN PLS_INTEGER DEFAULT NULL,
                            upper_port IN PLS_INTEGER DEFAULT NULL, ace IN xs$ace_type);
  PROCEDURE append_host_acl(host IN VARCHAR2, lower_port IN PLS_INTEGER DEFAULT NULL,
                            upper_port IN PLS_INTEGER DEFAULT NULL, acl IN VARCHAR2);
  PROCEDURE append_wallet_ace(wallet_path IN VARCHAR2, ace IN xs$ace_type);
  PROCEDURE append_wallet_acl(wallet_path IN VARCHAR2, acl IN VARCHAR2);
  PROCEDURE remove_host_ace(host IN VARCHAR2, lower_port IN PLS_INTEGER DEFAULT NULL,
                            upper_port IN PLS_INTEGER DEFAULT NULL, ace IN xs$ace_type,
                            remove_empty_acl IN BOOLEAN DEFAULT FALSE);
  PROCEDURE remove_wallet_ace(wallet_path IN VARCHAR2, ace IN xs$ace_type,
                              remove_empty_acl IN BOOLEAN DEFAULT FALSE);
  PROCEDURE set_host_acl(host IN VARCHAR2, lower_port IN PLS_INTEGER DEFAULT NULL,
                         upper_port IN PLS_INTEGER DEFAULT NULL, acl IN VARCHAR2);
  PROCEDURE set_wallet_acl(wallet_path IN VARCHAR2, acl IN VARCHAR2);

  -- Deprecated in 12c
  PROCEDURE create_acl(acl IN VARCHAR2, description IN VARCHAR2, principal IN VARCHAR2,
                       is_grant IN BOOLEAN, privilege IN VARCHAR2,
                       start_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL,
                       end_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL);
  PROCEDURE add_privilege(acl IN VARCHAR2, principal IN VARCHAR2, is_grant IN BOOLEAN,
                          privilege IN VARCHAR2, position IN PLS_INTEGER DEFAULT NULL,
                          start_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL,
                          end_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL);
  PROCEDURE delete_privilege(acl IN VARCHAR2, principal IN VARCHAR2,
                             is_grant IN BOOLEAN DEFAULT NULL,
                             privilege IN VARCHAR2 DEFAULT NULL);
  PROCEDURE assign_acl(acl IN VARCHAR2, host IN VARCHAR2,
                       lower_port IN PLS_INTEGER DEFAULT NULL,
                       upper_port IN PLS_INTEGER DEFAULT NULL);
  PROCEDURE unassign_acl(acl IN VARCHAR2 DEFAULT NULL, host IN VARCHAR2 DEFAULT NULL,
                         lower_port IN PLS_INTEGER DEFAULT NULL,
                         upper_port IN PLS_INTEGER DEFAULT NULL);
  PROCEDURE assign_wallet_acl(acl IN VARCHAR2, wallet_path IN VARCHAR2);
  PROCEDURE unassign_wallet_acl(acl IN VARCHAR2 DEFAULT NULL,
                                wallet_path IN VARCHAR2 DEFAULT NULL);
  PROCEDURE drop_acl(acl IN VARCHAR2);
  FUNCTION check_privilege(acl IN VARCHAR2, user IN VARCHAR2, privilege IN VARCHAR2)
    RETURN NUMBER;
  FUNCTION check_privilege_aclid(aclid IN RAW, user IN VARCHAR2, privilege IN VARCHAR2)
    RETURN NUMBER;

END dbms_network_acl_admin;
