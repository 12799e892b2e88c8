-- XS$NAME_LIST: a list of names, such as the privileges of an access control entry.
TYPE xs$name_list AS VARRAY(1000) OF VARCHAR2(130);
