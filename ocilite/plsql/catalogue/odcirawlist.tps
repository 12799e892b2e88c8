-- ODCIRAWLIST: a general-purpose VARRAY of RAW values that Oracle supplies.
TYPE odcirawlist AS VARRAY(32767) OF RAW(2000);
