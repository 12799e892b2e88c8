-- UTL_MATCH: string similarity: Levenshtein edit distance and Jaro-Winkler.
PACKAGE utl_match AUTHID DEFINER AS

  FUNCTION edit_distance(s1 IN VARCHAR2, s2 IN VARCHAR2) RETURN PLS_INTEGER;
  FUNCTION edit_distance_similarity(s1 IN VARCHAR2, s2 IN VARCHAR2) RETURN PLS_INTEGER;
  FUNCTION jaro_winkler(s1 IN VARCHAR2, s2 IN VARCHAR2) RETURN BINARY_DOUBLE;
  FUNCTION jaro_winkler_similarity(s1 IN VARCHAR2, s2 IN VARCHAR2) RETURN PLS_INTEGER;

END utl_match;
