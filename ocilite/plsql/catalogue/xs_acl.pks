-- XS_ACL: Real Application Security access control lists. Only the principal type
-- constants that XS$ACE_TYPE constructors take (principal_type => XS_ACL.PTYPE_DB) are
-- in the catalogue.
-- PARTIAL: the principal type constants only.
PACKAGE xs_acl AUTHID CURRENT_USER AS

  ptype_xs CONSTANT PLS_INTEGER := 1;
  ptype_db CONSTANT PLS_INTEGER := 2;
  ptype_dn CONSTANT PLS_INTEGER := 3;
  ptype_external CONSTANT PLS_INTEGER := 4;

END xs_acl;
