-- UTL_ENCODE: encoding of RAW data and text for transport: base64, quoted-printable,
-- uuencode and MIME header encoding.
PACKAGE utl_encode AUTHID DEFINER AS

  -- Encodings of MIMEHEADER_ENCODE and TEXT_ENCODE
  base64 CONSTANT PLS_INTEGER := 1;
  quoted_printable CONSTANT PLS_INTEGER := 2;
  -- Pieces of UUENCODE
  complete CONSTANT PLS_INTEGER := 1;
  header_piece CONSTANT PLS_INTEGER := 2;
  middle_piece CONSTANT PLS_INTEGER := 3;
  end_piece CONSTANT PLS_INTEGER := 4;

  FUNCTION base64_decode(r IN RAW) RETURN RAW;
  FUNCTION base64_encode(r IN RAW) RETURN RAW;
  FUNCTION mimeheader_decode(buf IN VARCHAR2) RETURN VARCHAR2;
  FUNCTION mimeheader_encode(buf IN VARCHAR2, encode_charset IN VARCHAR2 DEFAULT NULL,
                             encoding IN PLS_INTEGER DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION quoted_printable_decode(r IN RAW) RETURN RAW;
  FUNCTION quoted_printable_encode(r IN RAW) RETURN RAW;
  FUNCTION text_decode(buf IN VARCHAR2, encode_charset IN VARCHAR2 DEFAULT NULL,
                       encoding IN PLS_INTEGER DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION text_encode(buf IN VARCHAR2, encode_charset IN VARCHAR2 DEFAULT NULL,
                       encoding IN PLS_INTEGER DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION uudecode(r IN RAW) RETURN RAW;
  -- TYPE is a reserved word; the manual's parameter name is written quoted.
  FUNCTION uuencode(r IN RAW, "TYPE" IN PLS_INTEGER DEFAULT 1,
                    filename IN VARCHAR2 DEFAULT NULL,
                    permission IN VARCHAR2 DEFAULT NULL) RETURN RAW;

END utl_encode;
