-- ODCINUMBERLIST: a general-purpose VARRAY of numbers that Oracle supplies.
TYPE odcinumberlist AS VARRAY(32767) OF NUMBER;
