-- UTL_I18N: globalization services: character set conversion of RAW data, mapping
-- between Oracle and IANA/ISO names, HTML/XML character references, locale data.
-- PARTIAL: validation and Unicode normalisation calls are not here.
PACKAGE utl_i18n AUTHID DEFINER AS

  TYPE string_array IS TABLE OF VARCHAR2(32767) INDEX BY BINARY_INTEGER;

  -- context of MAP_CHARSET and GET_DEFAULT_CHARSET
  generic_context CONSTANT PLS_INTEGER := 0;
  mail_context CONSTANT PLS_INTEGER := 1;
  -- flag of MAP_CHARSET
  oracle_to_iana CONSTANT PLS_INTEGER := 0;
  iana_to_oracle CONSTANT PLS_INTEGER := 1;
  -- flag of GET_TRANSLATION
  language_trans CONSTANT PLS_INTEGER := 0;
  territory_trans CONSTANT PLS_INTEGER := 1;
  language_territory_trans CONSTANT PLS_INTEGER := 2;
  -- shift_status of the piecewise RAW_TO_CHAR and RAW_TO_NCHAR
  shift_in CONSTANT PLS_INTEGER := 0;
  shift_out CONSTANT PLS_INTEGER := 1;
  -- names of TRANSLITERATE
  kana_fwkatakana CONSTANT VARCHAR2(30) := 'kana_fwkatakana';
  kana_hwkatakana CONSTANT VARCHAR2(30) := 'kana_hwkatakana';
  kana_hiragana CONSTANT VARCHAR2(30) := 'kana_hiragana';
  fwkatakana_hwkatakana CONSTANT VARCHAR2(30) := 'fwkatakana_hwkatakana';
  fwkatakana_hiragana CONSTANT VARCHAR2(30) := 'fwkatakana_hiragana';
  hwkatakana_fwkatakana CONSTANT VARCHAR2(30) := 'hwkatakana_fwkatakana';
  hwkatakana_hiragana CONSTANT VARCHAR2(30) := 'hwkatakana_hiragana';
  hiragana_fwkatakana CONSTANT VARCHAR2(30) := 'hiragana_fwkatakana';
  hiragana_hwkatakana CONSTANT VARCHAR2(30) := 'hiragana_hwkatakana';

  FUNCTION escape_reference(str IN VARCHAR2, page_cs_name IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION escape_reference(str IN NVARCHAR2, page_cs_name IN VARCHAR2 DEFAULT NULL)
    RETURN NVARCHAR2;
  FUNCTION get_common_time_zones RETURN string_array;
  FUNCTION get_default_charset(language IN VARCHAR2,
                               context IN PLS_INTEGER DEFAULT generic_context,
                               iswindows IN BOOLEAN DEFAULT FALSE) RETURN VARCHAR2;
  FUNCTION get_default_iso_currency(territory IN VARCHAR2) RETURN VARCHAR2;
  FUNCTION get_default_linguistic_sort(language IN VARCHAR2) RETURN VARCHAR2;
  FUNCTION get_local_languages(territory IN VARCHAR2) RETURN string_array;
  FUNCTION get_local_linguistic_sorts(language IN VARCHAR2) RETURN string_array;
  FUNCTION get_local_territories(language IN VARCHAR2) RETURN string_array;
  FUNCTION get_local_time_zones(territory IN VARCHAR2 DEFAULT NULL) RETURN string_array;
  FUNCTION get_max_character_size(charset_name IN VARCHAR2) RETURN PLS_INTEGER;
  FUNCTION get_translation(parameter_name IN VARCHAR2, language IN VARCHAR2 DEFAULT 'AMERICAN',
                           flag IN PLS_INTEGER DEFAULT language_trans) RETURN NVARCHAR2;
  FUNCTION map_charset(charset IN VARCHAR2, context IN PLS_INTEGER DEFAULT generic_context,
                       flag IN PLS_INTEGER DEFAULT oracle_to_iana) RETURN VARCHAR2;
  FUNCTION map_from_short_language(language IN VARCHAR2) RETURN VARCHAR2;
  FUNCTION map_language_from_iso(isolocale IN VARCHAR2) RETURN VARCHAR2;
  FUNCTION map_locale_to_iso(ora_language IN VARCHAR2, ora_territory IN VARCHAR2)
    RETURN VARCHAR2;
  FUNCTION map_territory_from_iso(isolocale IN VARCHAR2) RETURN VARCHAR2;
  FUNCTION map_to_short_language(language IN VARCHAR2) RETURN VARCHAR2;
  FUNCTION raw_to_char(data IN RAW, src_charset IN VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION raw_to_char(data IN RAW, src_charset IN VARCHAR2 DEFAULT NULL,
                       scanned_length OUT PLS_INTEGER, shift_status IN OUT PLS_INTEGER)
    RETURN VARCHAR2;
  FUNCTION raw_to_nchar(data IN RAW, src_charset IN VARCHAR2 DEFAULT NULL) RETURN NVARCHAR2;
  FUNCTION raw_to_nchar(data IN RAW, src_charset IN VARCHAR2 DEFAULT NULL,
                        scanned_length OUT PLS_INTEGER, shift_status IN OUT PLS_INTEGER)
    RETURN NVARCHAR2;
  FUNCTION string_to_raw(data IN VARCHAR2, dst_charset IN VARCHAR2 DEFAULT NULL) RETURN RAW;
  FUNCTION string_to_raw(data IN NVARCHAR2, dst_charset IN VARCHAR2 DEFAULT NULL) RETURN RAW;
  FUNCTION transliterate(data IN VARCHAR2, name IN VARCHAR2) RETURN VARCHAR2;
  FUNCTION transliterate(data IN NVARCHAR2, name IN VARCHAR2) RETURN NVARCHAR2;
  FUNCTION unescape_reference(str IN VARCHAR2) RETURN VARCHAR2;
  FUNCTION unescape_reference(str IN NVARCHAR2) RETURN NVARCHAR2;

END utl_i18n;
