-- DBMS_LOB: reading, writing, comparing and converting BLOBs, CLOBs and BFILEs, temporary
-- LOBs, SecureFile options and DBFS links. CLOB parameters are CHARACTER SET ANY_CS in
-- the database; NCLOB arguments reach them by implicit conversion here.
PACKAGE dbms_lob AUTHID CURRENT_USER AS

  -- Open modes
  file_readonly CONSTANT BINARY_INTEGER := 0;
  lob_readonly CONSTANT BINARY_INTEGER := 0;
  lob_readwrite CONSTANT BINARY_INTEGER := 1;
  -- Limits
  lobmaxsize CONSTANT INTEGER := 18446744073709551615;
  -- Durations of temporary LOBs
  call CONSTANT PLS_INTEGER := 12;
  session CONSTANT PLS_INTEGER := 10;
  -- Character set conversion
  default_csid CONSTANT INTEGER := 0;
  default_lang_ctx CONSTANT INTEGER := 0;
  no_warning CONSTANT INTEGER := 0;
  warn_inconvertible_char CONSTANT INTEGER := 1;
  -- SecureFile options (GETOPTIONS, SETOPTIONS)
  opt_compress CONSTANT PLS_INTEGER := 1;
  opt_encrypt CONSTANT PLS_INTEGER := 2;
  opt_deduplicate CONSTANT PLS_INTEGER := 4;
  compress_off CONSTANT PLS_INTEGER := 0;
  compress_on CONSTANT PLS_INTEGER := 1;
  encrypt_off CONSTANT PLS_INTEGER := 0;
  encrypt_on CONSTANT PLS_INTEGER := 2;
  deduplicate_off CONSTANT PLS_INTEGER := 0;
  deduplicate_on CONSTANT PLS_INTEGER := 4;
  -- DBFS links
  dbfs_link_never CONSTANT PLS_INTEGER := 0;
  dbfs_link_yes CONSTANT PLS_INTEGER := 1;
  dbfs_link_no CONSTANT PLS_INTEGER := 2;
  dbfs_link_cache CONSTANT PLS_INTEGER := 1;
  dbfs_link_nocache CONSTANT PLS_INTEGER := 0;
  dbfs_link_path_max_size CONSTANT PLS_INTEGER := 1024;
  contenttype_max_size CONSTANT PLS_INTEGER := 128;

  -- Deduplicated regions (12.1 and later)
  TYPE blob_deduplicate_region IS RECORD (
    lob_offset INTEGER,
    len INTEGER,
    primary_lob BLOB,
    primary_lob_offset NUMBER,
    mime_type VARCHAR2(80));
  TYPE blob_deduplicate_region_tab IS TABLE OF blob_deduplicate_region
    INDEX BY PLS_INTEGER;
  TYPE clob_deduplicate_region IS RECORD (
    lob_offset INTEGER,
    len INTEGER,
    primary_lob CLOB,
    primary_lob_offset NUMBER,
    mime_type VARCHAR2(80));
  TYPE clob_deduplicate_region_tab IS TABLE OF clob_deduplicate_region
    INDEX BY PLS_INTEGER;

  invalid_argval EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_argval, -21560);
  access_error EXCEPTION;
  PRAGMA EXCEPTION_INIT(access_error, -22925);
  buffering_enabled EXCEPTION;
  PRAGMA EXCEPTION_INIT(buffering_enabled, -22279);
  noexist_directory EXCEPTION;
  PRAGMA EXCEPTION_INIT(noexist_directory, -22285);
  nopriv_directory EXCEPTION;
  PRAGMA EXCEPTION_INIT(nopriv_directory, -22286);
  invalid_directory EXCEPTION;
  PRAGMA EXCEPTION_INIT(invalid_directory, -22287);
  operation_failed EXCEPTION;
  PRAGMA EXCEPTION_INIT(operation_failed, -22288);
  unopened_file EXCEPTION;
  PRAGMA EXCEPTION_INIT(unopened_file, -22289);
  open_toomany EXCEPTION;
  PRAGMA EXCEPTION_INIT(open_toomany, -22290);
  securefile_badlob EXCEPTION;
  PRAGMA EXCEPTION_INIT(securefile_badlob, -43856);
  securefile_badparam EXCEPTION;
  PRAGMA EXCEPTION_INIT(securefile_badparam, -43857);
  contenttype_toolong EXCEPTION;
  PRAGMA EXCEPTION_INIT(contenttype_toolong, -43859);
  securefile_markerased EXCEPTION;
  PRAGMA EXCEPTION_INIT(securefile_markerased, -43861);
  contenttypebuf_wrong EXCEPTION;
  PRAGMA EXCEPTION_INIT(contenttypebuf_wrong, -43862);
  securefile_outofbounds EXCEPTION;
  PRAGMA EXCEPTION_INIT(securefile_outofbounds, -43883);

  PROCEDURE append(dest_lob IN OUT NOCOPY BLOB, src_lob IN BLOB);
  PROCEDURE append(dest_lob IN OUT NOCOPY CLOB, src_lob IN CLOB);

  PROCEDURE clob2file(src_cl IN CLOB, file_loc IN VARCHAR2, file_name IN VARCHAR2,
                      csid IN NUMBER DEFAULT 0, open_mode IN VARCHAR2 DEFAULT 'wb');

  PROCEDURE close(lob_loc IN OUT NOCOPY BLOB);
  PROCEDURE close(lob_loc IN OUT NOCOPY CLOB);
  PROCEDURE close(file_loc IN OUT NOCOPY BFILE);

  FUNCTION compare(lob_1 IN BLOB, lob_2 IN BLOB, amount IN INTEGER DEFAULT lobmaxsize,
                   offset_1 IN INTEGER DEFAULT 1, offset_2 IN INTEGER DEFAULT 1)
    RETURN INTEGER;
  FUNCTION compare(lob_1 IN CLOB, lob_2 IN CLOB, amount IN INTEGER DEFAULT lobmaxsize,
                   offset_1 IN INTEGER DEFAULT 1, offset_2 IN INTEGER DEFAULT 1)
    RETURN INTEGER;
  FUNCTION compare(lob_1 IN BFILE, lob_2 IN BFILE, amount IN INTEGER,
                   offset_1 IN INTEGER DEFAULT 1, offset_2 IN INTEGER DEFAULT 1)
    RETURN INTEGER;

  PROCEDURE converttoblob(dest_lob IN OUT NOCOPY BLOB, src_clob IN CLOB, amount IN INTEGER,
                          dest_offset IN OUT INTEGER, src_offset IN OUT INTEGER,
                          blob_csid IN NUMBER, lang_context IN OUT INTEGER,
                          warning OUT INTEGER);
  PROCEDURE converttoclob(dest_lob IN OUT NOCOPY CLOB, src_blob IN BLOB, amount IN INTEGER,
                          dest_offset IN OUT INTEGER, src_offset IN OUT INTEGER,
                          blob_csid IN NUMBER, lang_context IN OUT INTEGER,
                          warning OUT INTEGER);

  PROCEDURE copy(dest_lob IN OUT NOCOPY BLOB, src_lob IN BLOB, amount IN INTEGER,
                 dest_offset IN INTEGER DEFAULT 1, src_offset IN INTEGER DEFAULT 1);
  PROCEDURE copy(dest_lob IN OUT NOCOPY CLOB, src_lob IN CLOB, amount IN INTEGER,
                 dest_offset IN INTEGER DEFAULT 1, src_offset IN INTEGER DEFAULT 1);

  PROCEDURE copy_dbfs_link(lob_loc_dst IN OUT BLOB, lob_loc_src IN BLOB,
                           flags IN PLS_INTEGER DEFAULT dbfs_link_nocache);
  PROCEDURE copy_dbfs_link(lob_loc_dst IN OUT CLOB, lob_loc_src IN CLOB,
                           flags IN PLS_INTEGER DEFAULT dbfs_link_nocache);
  PROCEDURE copy_from_dbfs_link(lob_loc IN OUT BLOB);
  PROCEDURE copy_from_dbfs_link(lob_loc IN OUT CLOB);

  PROCEDURE createtemporary(lob_loc IN OUT NOCOPY BLOB, cache IN BOOLEAN,
                            dur IN PLS_INTEGER DEFAULT 10);
  PROCEDURE createtemporary(lob_loc IN OUT NOCOPY CLOB, cache IN BOOLEAN,
                            dur IN PLS_INTEGER DEFAULT 10);

  FUNCTION dbfs_link_generate_path(lob_loc IN BLOB, storage_dir IN VARCHAR2) RETURN VARCHAR2;
  FUNCTION dbfs_link_generate_path(lob_loc IN CLOB, storage_dir IN VARCHAR2) RETURN VARCHAR2;

  PROCEDURE erase(lob_loc IN OUT NOCOPY BLOB, amount IN OUT NOCOPY INTEGER,
                  offset IN INTEGER DEFAULT 1);
  PROCEDURE erase(lob_loc IN OUT NOCOPY CLOB, amount IN OUT NOCOPY INTEGER,
                  offset IN INTEGER DEFAULT 1);

  PROCEDURE fileclose(file_loc IN OUT NOCOPY BFILE);
  PROCEDURE filecloseall;
  FUNCTION fileexists(file_loc IN BFILE) RETURN INTEGER;
  PROCEDURE filegetname(file_loc IN BFILE, dir_alias OUT VARCHAR2, filename OUT VARCHAR2);
  FUNCTION fileisopen(file_loc IN BFILE) RETURN INTEGER;
  PROCEDURE fileopen(file_loc IN OUT NOCOPY BFILE,
                     open_mode IN BINARY_INTEGER DEFAULT file_readonly);

  PROCEDURE fragment_delete(lob_loc IN OUT NOCOPY BLOB, amount IN INTEGER, offset IN INTEGER);
  PROCEDURE fragment_delete(lob_loc IN OUT NOCOPY CLOB, amount IN INTEGER, offset IN INTEGER);
  PROCEDURE fragment_insert(lob_loc IN OUT NOCOPY BLOB, amount IN INTEGER, offset IN INTEGER,
                            buffer IN RAW);
  PROCEDURE fragment_insert(lob_loc IN OUT NOCOPY CLOB, amount IN INTEGER, offset IN INTEGER,
                            buffer IN VARCHAR2);
  PROCEDURE fragment_move(lob_loc IN OUT NOCOPY BLOB, amount IN INTEGER,
                          src_offset IN INTEGER, dest_offset IN INTEGER);
  PROCEDURE fragment_move(lob_loc IN OUT NOCOPY CLOB, amount IN INTEGER,
                          src_offset IN INTEGER, dest_offset IN INTEGER);
  PROCEDURE fragment_replace(lob_loc IN OUT NOCOPY BLOB, old_amount IN INTEGER,
                             new_amount IN INTEGER, offset IN INTEGER, buffer IN RAW);
  PROCEDURE fragment_replace(lob_loc IN OUT NOCOPY CLOB, old_amount IN INTEGER,
                             new_amount IN INTEGER, offset IN INTEGER, buffer IN VARCHAR2);

  PROCEDURE freetemporary(lob_loc IN OUT NOCOPY BLOB);
  PROCEDURE freetemporary(lob_loc IN OUT NOCOPY CLOB);

  FUNCTION get_dbfs_link(lob_loc IN BLOB) RETURN VARCHAR2;
  FUNCTION get_dbfs_link(lob_loc IN CLOB) RETURN VARCHAR2;
  PROCEDURE get_dbfs_link_state(lob_loc IN BLOB, storage_path OUT VARCHAR2, state OUT NUMBER,
                                cached OUT BOOLEAN);
  PROCEDURE get_dbfs_link_state(lob_loc IN CLOB, storage_path OUT VARCHAR2, state OUT NUMBER,
                                cached OUT BOOLEAN);
  FUNCTION getcontenttype(lob_loc IN BLOB) RETURN VARCHAR2;
  FUNCTION getcontenttype(lob_loc IN CLOB) RETURN VARCHAR2;
  FUNCTION get_storage_limit(lob_loc IN CLOB) RETURN INTEGER;
  FUNCTION get_storage_limit(lob_loc IN BLOB) RETURN INTEGER;
  FUNCTION getchunksize(lob_loc IN BLOB) RETURN INTEGER;
  FUNCTION getchunksize(lob_loc IN CLOB) RETURN INTEGER;
  FUNCTION getlength(lob_loc IN BLOB) RETURN INTEGER;
  FUNCTION getlength(lob_loc IN CLOB) RETURN INTEGER;
  FUNCTION getlength(file_loc IN BFILE) RETURN INTEGER;
  FUNCTION getoptions(lob_loc IN BLOB, option_types IN PLS_INTEGER) RETURN PLS_INTEGER;
  FUNCTION getoptions(lob_loc IN CLOB, option_types IN PLS_INTEGER) RETURN PLS_INTEGER;

  FUNCTION instr(lob_loc IN BLOB, pattern IN RAW, offset IN INTEGER DEFAULT 1,
                 nth IN INTEGER DEFAULT 1) RETURN INTEGER;
  FUNCTION instr(lob_loc IN CLOB, pattern IN VARCHAR2, offset IN INTEGER DEFAULT 1,
                 nth IN INTEGER DEFAULT 1) RETURN INTEGER;
  FUNCTION instr(file_loc IN BFILE, pattern IN RAW, offset IN INTEGER DEFAULT 1,
                 nth IN INTEGER DEFAULT 1) RETURN INTEGER;

  FUNCTION isopen(lob_loc IN BLOB) RETURN INTEGER;
  FUNCTION isopen(lob_loc IN CLOB) RETURN INTEGER;
  FUNCTION isopen(file_loc IN BFILE) RETURN INTEGER;
  FUNCTION isremote(lob_loc IN BLOB) RETURN BOOLEAN;
  FUNCTION isremote(lob_loc IN CLOB) RETURN BOOLEAN;
  FUNCTION issecurefile(lob_loc IN BLOB) RETURN BOOLEAN;
  FUNCTION issecurefile(lob_loc IN CLOB) RETURN BOOLEAN;
  FUNCTION istemporary(lob_loc IN BLOB) RETURN INTEGER;
  FUNCTION istemporary(lob_loc IN CLOB) RETURN INTEGER;

  PROCEDURE loadblobfromfile(dest_lob IN OUT NOCOPY BLOB, src_bfile IN BFILE,
                             amount IN INTEGER, dest_offset IN OUT INTEGER,
                             src_offset IN OUT INTEGER);
  PROCEDURE loadclobfromfile(dest_lob IN OUT NOCOPY CLOB, src_bfile IN BFILE,
                             amount IN INTEGER, dest_offset IN OUT INTEGER,
                             src_offset IN OUT INTEGER, bfile_csid IN NUMBER,
                             lang_context IN OUT INTEGER, warning OUT INTEGER);
  PROCEDURE loadfromfile(dest_lob IN OUT NOCOPY BLOB, src_lob IN BFILE, amount IN INTEGER,
                         dest_offset IN INTEGER DEFAULT 1, src_offset IN INTEGER DEFAULT 1);
  PROCEDURE loadfromfile(dest_lob IN OUT NOCOPY CLOB, src_lob IN BFILE, amount IN INTEGER,
                         dest_offset IN INTEGER DEFAULT 1, src_offset IN INTEGER DEFAULT 1);

  PROCEDURE move_to_dbfs_link(lob_loc IN OUT BLOB, storage_path IN VARCHAR2,
                              flags IN BINARY_INTEGER DEFAULT dbfs_link_nocache);
  PROCEDURE move_to_dbfs_link(lob_loc IN OUT CLOB, storage_path IN VARCHAR2,
                              flags IN BINARY_INTEGER DEFAULT dbfs_link_nocache);

  PROCEDURE open(lob_loc IN OUT NOCOPY BLOB, open_mode IN BINARY_INTEGER);
  PROCEDURE open(lob_loc IN OUT NOCOPY CLOB, open_mode IN BINARY_INTEGER);
  PROCEDURE open(file_loc IN OUT NOCOPY BFILE,
                 open_mode IN BINARY_INTEGER DEFAULT file_readonly);

  PROCEDURE read(lob_loc IN BLOB, amount IN OUT NOCOPY INTEGER, offset IN INTEGER,
                 buffer OUT RAW);
  PROCEDURE read(lob_loc IN CLOB, amount IN OUT NOCOPY INTEGER, offset IN INTEGER,
                 buffer OUT VARCHAR2);
  PROCEDURE read(file_loc IN BFILE, amount IN OUT NOCOPY INTEGER, offset IN INTEGER,
                 buffer OUT RAW);

  PROCEDURE set_dbfs_link(lob_loc IN OUT BLOB, storage_path IN VARCHAR2);
  PROCEDURE set_dbfs_link(lob_loc IN OUT CLOB, storage_path IN VARCHAR2);
  PROCEDURE setcontenttype(lob_loc IN OUT NOCOPY BLOB, contenttype IN VARCHAR2);
  PROCEDURE setcontenttype(lob_loc IN OUT NOCOPY CLOB, contenttype IN VARCHAR2);
  PROCEDURE setoptions(lob_loc IN OUT NOCOPY BLOB, option_types IN PLS_INTEGER,
                       options IN PLS_INTEGER);
  PROCEDURE setoptions(lob_loc IN OUT NOCOPY CLOB, option_types IN PLS_INTEGER,
                       options IN PLS_INTEGER);

  FUNCTION substr(lob_loc IN BLOB, amount IN INTEGER DEFAULT 32767,
                  offset IN INTEGER DEFAULT 1) RETURN RAW;
  FUNCTION substr(lob_loc IN CLOB, amount IN INTEGER DEFAULT 32767,
                  offset IN INTEGER DEFAULT 1) RETURN VARCHAR2;
  FUNCTION substr(file_loc IN BFILE, amount IN INTEGER DEFAULT 32767,
                  offset IN INTEGER DEFAULT 1) RETURN RAW;

  PROCEDURE trim(lob_loc IN OUT NOCOPY BLOB, newlen IN INTEGER);
  PROCEDURE trim(lob_loc IN OUT NOCOPY CLOB, newlen IN INTEGER);

  PROCEDURE write(lob_loc IN OUT NOCOPY BLOB, amount IN INTEGER, offset IN INTEGER,
                  buffer IN RAW);
  PROCEDURE write(lob_loc IN OUT NOCOPY CLOB, amount IN INTEGER, offset IN INTEGER,
                  buffer IN VARCHAR2);
  PROCEDURE writeappend(lob_loc IN OUT NOCOPY BLOB, amount IN INTEGER, buffer IN RAW);
  PROCEDURE writeappend(lob_loc IN OUT NOCOPY CLOB, amount IN INTEGER, buffer IN VARCHAR2);

END dbms_lob;
