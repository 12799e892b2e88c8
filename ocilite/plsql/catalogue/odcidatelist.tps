-- ODCIDATELIST: a general-purpose VARRAY of dates that Oracle supplies.
TYPE odcidatelist AS VARRAY(32767) OF DATE;
