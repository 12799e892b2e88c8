-- JSON_KEY_LIST: the keys of a JSON object, as JSON_OBJECT_T.GET_KEYS returns them.
TYPE json_key_list AS VARRAY(32767) OF VARCHAR2(4000);
