-- UTL_RAW: operations on RAW values: byte strings, bit operations, and conversion between
-- RAW and character, integer and floating-point values.
PACKAGE utl_raw AUTHID DEFINER AS

  -- Byte orders of the CAST_FROM/CAST_TO integer and floating-point functions
  big_endian CONSTANT PLS_INTEGER := 1;
  little_endian CONSTANT PLS_INTEGER := 2;
  machine_endian CONSTANT PLS_INTEGER := 3;

  FUNCTION bit_and(r1 IN RAW, r2 IN RAW) RETURN RAW;
  FUNCTION bit_complement(r IN RAW) RETURN RAW;
  FUNCTION bit_or(r1 IN RAW, r2 IN RAW) RETURN RAW;
  FUNCTION bit_xor(r1 IN RAW, r2 IN RAW) RETURN RAW;

  -- The manual spells the byte-order parameter "endianess".
  FUNCTION cast_from_binary_double(n IN BINARY_DOUBLE,
                                   endianess IN PLS_INTEGER DEFAULT 1) RETURN RAW;
  FUNCTION cast_from_binary_float(n IN BINARY_FLOAT,
                                  endianess IN PLS_INTEGER DEFAULT 1) RETURN RAW;
  FUNCTION cast_from_binary_integer(n IN BINARY_INTEGER,
                                    endianess IN PLS_INTEGER DEFAULT 1) RETURN RAW;
  FUNCTION cast_from_number(n IN NUMBER) RETURN RAW;
  FUNCTION cast_to_binary_double(r IN RAW, endianess IN PLS_INTEGER DEFAULT 1)
    RETURN BINARY_DOUBLE;
  FUNCTION cast_to_binary_float(r IN RAW, endianess IN PLS_INTEGER DEFAULT 1)
    RETURN BINARY_FLOAT;
  FUNCTION cast_to_binary_integer(r IN RAW, endianess IN PLS_INTEGER DEFAULT 1)
    RETURN BINARY_INTEGER;
  FUNCTION cast_to_number(r IN RAW) RETURN NUMBER;
  FUNCTION cast_to_nvarchar2(r IN RAW) RETURN NVARCHAR2;
  FUNCTION cast_to_raw(c IN VARCHAR2) RETURN RAW;
  FUNCTION cast_to_varchar2(r IN RAW) RETURN VARCHAR2;

  FUNCTION compare(r1 IN RAW, r2 IN RAW, pad IN RAW DEFAULT NULL) RETURN NUMBER;
  FUNCTION concat(r1 IN RAW DEFAULT NULL, r2 IN RAW DEFAULT NULL, r3 IN RAW DEFAULT NULL,
                  r4 IN RAW DEFAULT NULL, r5 IN RAW DEFAULT NULL, r6 IN RAW DEFAULT NULL,
                  r7 IN RAW DEFAULT NULL, r8 IN RAW DEFAULT NULL, r9 IN RAW DEFAULT NULL,
                  r10 IN RAW DEFAULT NULL, r11 IN RAW DEFAULT NULL, r12 IN RAW DEFAULT NULL)
    RETURN RAW;
  FUNCTION convert(r IN RAW, to_charset IN VARCHAR2, from_charset IN VARCHAR2) RETURN RAW;
  FUNCTION copies(r IN RAW, n IN NUMBER) RETURN RAW;
  FUNCTION length(r IN RAW) RETURN NUMBER;
  FUNCTION overlay(overlay_str IN RAW, target IN RAW, pos IN BINARY_INTEGER DEFAULT 1,
                   len IN BINARY_INTEGER DEFAULT NULL, pad IN RAW DEFAULT NULL) RETURN RAW;
  FUNCTION reverse(r IN RAW) RETURN RAW;
  FUNCTION substr(r IN RAW, pos IN BINARY_INTEGER, len IN BINARY_INTEGER DEFAULT NULL)
    RETURN RAW;
  FUNCTION translate(r IN RAW, from_set IN RAW, to_set IN RAW) RETURN RAW;
  FUNCTION transliterate(r IN RAW, to_set IN RAW DEFAULT NULL, from_set IN RAW DEFAULT NULL,
                         pad IN RAW DEFAULT NULL) RETURN RAW;
  FUNCTION xrange(start_byte IN RAW DEFAULT NULL, end_byte IN RAW DEFAULT NULL) RETURN RAW;

END utl_raw;
