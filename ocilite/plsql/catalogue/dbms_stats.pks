-- DBMS_STATS: optimizer statistics (the main subprograms: gathering, deleting, locking,
-- setting and reading table statistics, preferences, and the statistics tables).
-- Defaults written as calls of GET_PARAM/GET_PREFS and the TO_*_TYPE functions come from
-- the preferences, as the manual shows them.
-- PARTIAL: the main subprograms only.
PACKAGE dbms_stats AUTHID CURRENT_USER AS

  TYPE objectelem IS RECORD (
    ownname VARCHAR2(128),
    objtype VARCHAR2(6),
    objname VARCHAR2(128),
    partname VARCHAR2(128),
    subpartname VARCHAR2(128));
  TYPE objecttab IS TABLE OF objectelem;

  auto_sample_size CONSTANT NUMBER := 0;
  default_degree CONSTANT NUMBER := 32767;
  auto_degree CONSTANT NUMBER := 32768;
  auto_cascade CONSTANT BOOLEAN := NULL;
  auto_invalidate CONSTANT BOOLEAN := NULL;

  FUNCTION get_param(pname IN VARCHAR2) RETURN VARCHAR2;
  PROCEDURE set_param(pname IN VARCHAR2, pval IN VARCHAR2);
  FUNCTION get_prefs(pname IN VARCHAR2, ownname IN VARCHAR2 DEFAULT NULL,
                     tabname IN VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;
  PROCEDURE set_global_prefs(pname IN VARCHAR2, pvalue IN VARCHAR2);
  PROCEDURE set_schema_prefs(ownname IN VARCHAR2, pname IN VARCHAR2, pvalue IN VARCHAR2);
  PROCEDURE set_table_prefs(ownname IN VARCHAR2, tabname IN VARCHAR2, pname IN VARCHAR2,
                            pvalue IN VARCHAR2);
  PROCEDURE delete_table_prefs(ownname IN VARCHAR2, tabname IN VARCHAR2, pname IN VARCHAR2);
  PROCEDURE delete_schema_prefs(ownname IN VARCHAR2, pname IN VARCHAR2);
  FUNCTION to_cascade_type(cascade IN VARCHAR2) RETURN BOOLEAN;
  FUNCTION to_degree_type(degree IN VARCHAR2) RETURN NUMBER;
  FUNCTION to_estimate_percent_type(estimate_percent IN VARCHAR2) RETURN NUMBER;
  FUNCTION to_no_invalidate_type(no_invalidate IN VARCHAR2) RETURN BOOLEAN;

  PROCEDURE gather_table_stats(
    ownname VARCHAR2, tabname VARCHAR2, partname VARCHAR2 DEFAULT NULL,
    estimate_percent NUMBER DEFAULT to_estimate_percent_type(get_param('ESTIMATE_PERCENT')),
    block_sample BOOLEAN DEFAULT FALSE, method_opt VARCHAR2 DEFAULT get_param('METHOD_OPT'),
    degree NUMBER DEFAULT to_degree_type(get_param('DEGREE')),
    granularity VARCHAR2 DEFAULT get_param('GRANULARITY'),
    cascade BOOLEAN DEFAULT to_cascade_type(get_param('CASCADE')),
    stattab VARCHAR2 DEFAULT NULL, statid VARCHAR2 DEFAULT NULL,
    statown VARCHAR2 DEFAULT NULL,
    no_invalidate BOOLEAN DEFAULT to_no_invalidate_type(get_param('NO_INVALIDATE')),
    stattype VARCHAR2 DEFAULT 'DATA', force BOOLEAN DEFAULT FALSE);
  PROCEDURE gather_index_stats(
    ownname VARCHAR2, indname VARCHAR2, partname VARCHAR2 DEFAULT NULL,
    estimate_percent NUMBER DEFAULT to_estimate_percent_type(get_param('ESTIMATE_PERCENT')),
    stattab VARCHAR2 DEFAULT NULL, statid VARCHAR2 DEFAULT NULL,
    statown VARCHAR2 DEFAULT NULL,
    degree NUMBER DEFAULT to_degree_type(get_param('DEGREE')),
    granularity VARCHAR2 DEFAULT get_param('GRANULARITY'),
    no_invalidate BOOLEAN DEFAULT to_no_invalidate_type(get_param('NO_INVALIDATE')),
    force BOOLEAN DEFAULT FALSE);
  PROCEDURE gather_schema_stats(
    ownname VARCHAR2,
    estimate_percent NUMBER DEFAULT to_estimate_percent_type(get_param('ESTIMATE_PERCENT')),
    block_sample BOOLEAN DEFAULT FALSE, method_opt VARCHAR2 DEFAULT get_param('METHOD_OPT'),
    degree NUMBER DEFAULT to_degree_type(get_param('DEGREE')),
    granularity VARCHAR2 DEFAULT get_param('GRANULARITY'),
    cascade BOOLEAN DEFAULT to_cascade_type(get_param('CASCADE')),
    stattab VARCHAR2 DEFAULT NULL, statid VARCHAR2 DEFAULT NULL,
    options VARCHAR2 DEFAULT 'GATHER', statown VARCHAR2 DEFAULT NULL,
    no_invalidate BOOLEAN DEFAULT to_no_invalidate_type(get_param('NO_INVALIDATE')),
    force BOOLEAN DEFAULT FALSE, obj_filter_list objecttab DEFAULT NULL);
  PROCEDURE gather_schema_stats(
    ownname VARCHAR2,
    estimate_percent NUMBER DEFAULT to_estimate_percent_type(get_param('ESTIMATE_PERCENT')),
    block_sample BOOLEAN DEFAULT FALSE, method_opt VARCHAR2 DEFAULT get_param('METHOD_OPT'),
    degree NUMBER DEFAULT to_degree_type(get_param('DEGREE')),
    granularity VARCHAR2 DEFAULT get_param('GRANULARITY'),
    cascade BOOLEAN DEFAULT to_cascade_type(get_param('CASCADE')),
    stattab VARCHAR2 DEFAULT NULL, statid VARCHAR2 DEFAULT NULL,
    options VARCHAR2 DEFAULT 'GATHER', objlist OUT objecttab,
    statown VARCHAR2 DEFAULT NULL,
    no_invalidate BOOLEAN DEFAULT to_no_invalidate_type(get_param('NO_INVALIDATE')),
    force BOOLEAN DEFAULT FALSE, obj_filter_list objecttab DEFAULT NULL);
  PROCEDURE gather_database_stats(
    estimate_percent NUMBER DEFAULT to_estimate_percent_type(get_param('ESTIMATE_PERCENT')),
    block_sample BOOLEAN DEFAULT FALSE, method_opt VARCHAR2 DEFAULT get_param('METHOD_OPT'),
    degree NUMBER DEFAULT to_degree_type(get_param('DEGREE')),
    granularity VARCHAR2 DEFAULT get_param('GRANULARITY'),
    cascade BOOLEAN DEFAULT to_cascade_type(get_param('CASCADE')),
    stattab VARCHAR2 DEFAULT NULL, statid VARCHAR2 DEFAULT NULL,
    options VARCHAR2 DEFAULT 'GATHER', statown VARCHAR2 DEFAULT NULL,
    gather_sys BOOLEAN DEFAULT TRUE,
    no_invalidate BOOLEAN DEFAULT to_no_invalidate_type(get_param('NO_INVALIDATE')),
    obj_filter_list objecttab DEFAULT NULL);
  PROCEDURE gather_dictionary_stats(
    comp_id VARCHAR2 DEFAULT NULL,
    estimate_percent NUMBER DEFAULT to_estimate_percent_type(get_param('ESTIMATE_PERCENT')),
    block_sample BOOLEAN DEFAULT FALSE, method_opt VARCHAR2 DEFAULT get_param('METHOD_OPT'),
    degree NUMBER DEFAULT to_degree_type(get_param('DEGREE')),
    granularity VARCHAR2 DEFAULT get_param('GRANULARITY'),
    cascade BOOLEAN DEFAULT to_cascade_type(get_param('CASCADE')),
    stattab VARCHAR2 DEFAULT NULL, statid VARCHAR2 DEFAULT NULL,
    options VARCHAR2 DEFAULT 'GATHER AUTO', statown VARCHAR2 DEFAULT NULL,
    no_invalidate BOOLEAN DEFAULT to_no_invalidate_type(get_param('NO_INVALIDATE')),
    obj_filter_list objecttab DEFAULT NULL);
  PROCEDURE gather_fixed_objects_stats(
    stattab VARCHAR2 DEFAULT NULL, statid VARCHAR2 DEFAULT NULL,
    statown VARCHAR2 DEFAULT NULL,
    no_invalidate BOOLEAN DEFAULT to_no_invalidate_type(get_param('NO_INVALIDATE')));
  PROCEDURE gather_system_stats(gathering_mode VARCHAR2 DEFAULT 'NOWORKLOAD',
                                interval INTEGER DEFAULT NULL, stattab VARCHAR2 DEFAULT NULL,
                                statid VARCHAR2 DEFAULT NULL, statown VARCHAR2 DEFAULT NULL);

  PROCEDURE delete_table_stats(
    ownname VARCHAR2, tabname VARCHAR2, partname VARCHAR2 DEFAULT NULL,
    stattab VARCHAR2 DEFAULT NULL, statid VARCHAR2 DEFAULT NULL,
    cascade_parts BOOLEAN DEFAULT TRUE, cascade_columns BOOLEAN DEFAULT TRUE,
    cascade_indexes BOOLEAN DEFAULT TRUE, statown VARCHAR2 DEFAULT NULL,
    no_invalidate BOOLEAN DEFAULT to_no_invalidate_type(get_param('NO_INVALIDATE')),
    force BOOLEAN DEFAULT FALSE, stattype VARCHAR2 DEFAULT 'ALL');
  PROCEDURE delete_index_stats(
    ownname VARCHAR2, indname VARCHAR2, partname VARCHAR2 DEFAULT NULL,
    stattab VARCHAR2 DEFAULT NULL, statid VARCHAR2 DEFAULT NULL,
    cascade_parts BOOLEAN DEFAULT TRUE, statown VARCHAR2 DEFAULT NULL,
    no_invalidate BOOLEAN DEFAULT to_no_invalidate_type(get_param('NO_INVALIDATE')),
    stattype VARCHAR2 DEFAULT 'ALL', force BOOLEAN DEFAULT FALSE);
  PROCEDURE delete_schema_stats(
    ownname VARCHAR2, stattab VARCHAR2 DEFAULT NULL, statid VARCHAR2 DEFAULT NULL,
    statown VARCHAR2 DEFAULT NULL,
    no_invalidate BOOLEAN DEFAULT to_no_invalidate_type(get_param('NO_INVALIDATE')),
    force BOOLEAN DEFAULT FALSE, stattype VARCHAR2 DEFAULT 'ALL');

  PROCEDURE lock_table_stats(ownname VARCHAR2, tabname VARCHAR2,
                             stattype VARCHAR2 DEFAULT 'ALL');
  PROCEDURE unlock_table_stats(ownname VARCHAR2, tabname VARCHAR2,
                               stattype VARCHAR2 DEFAULT 'ALL');
  PROCEDURE lock_schema_stats(ownname VARCHAR2, stattype VARCHAR2 DEFAULT 'ALL');
  PROCEDURE unlock_schema_stats(ownname VARCHAR2, stattype VARCHAR2 DEFAULT 'ALL');

  PROCEDURE set_table_stats(
    ownname VARCHAR2, tabname VARCHAR2, partname VARCHAR2 DEFAULT NULL,
    stattab VARCHAR2 DEFAULT NULL, statid VARCHAR2 DEFAULT NULL,
    numrows NUMBER DEFAULT NULL, numblks NUMBER DEFAULT NULL, avgrlen NUMBER DEFAULT NULL,
    flags NUMBER DEFAULT NULL, statown VARCHAR2 DEFAULT NULL,
    no_invalidate BOOLEAN DEFAULT to_no_invalidate_type(get_param('NO_INVALIDATE')),
    cachedblk NUMBER DEFAULT NULL, cachehit NUMBER DEFAULT NULL,
    force BOOLEAN DEFAULT FALSE);
  PROCEDURE get_table_stats(
    ownname VARCHAR2, tabname VARCHAR2, partname VARCHAR2 DEFAULT NULL,
    stattab VARCHAR2 DEFAULT NULL, statid VARCHAR2 DEFAULT NULL,
    numrows OUT NUMBER, numblks OUT NUMBER, avgrlen OUT NUMBER,
    statown VARCHAR2 DEFAULT NULL);
  PROCEDURE get_table_stats(
    ownname VARCHAR2, tabname VARCHAR2, partname VARCHAR2 DEFAULT NULL,
    stattab VARCHAR2 DEFAULT NULL, statid VARCHAR2 DEFAULT NULL,
    numrows OUT NUMBER, numblks OUT NUMBER, avgrlen OUT NUMBER,
    statown VARCHAR2 DEFAULT NULL, cachedblk OUT NUMBER, cachehit OUT NUMBER);

  PROCEDURE create_stat_table(ownname VARCHAR2, stattab VARCHAR2,
                              tblspace VARCHAR2 DEFAULT NULL,
                              global_temporary BOOLEAN DEFAULT FALSE);
  PROCEDURE drop_stat_table(ownname VARCHAR2, stattab VARCHAR2);
  PROCEDURE export_table_stats(ownname VARCHAR2, tabname VARCHAR2,
                               partname VARCHAR2 DEFAULT NULL, stattab VARCHAR2,
                               statid VARCHAR2 DEFAULT NULL, cascade BOOLEAN DEFAULT TRUE,
                               statown VARCHAR2 DEFAULT NULL,
                               stat_category VARCHAR2 DEFAULT 'OBJECT_STATS');
  PROCEDURE import_table_stats(
    ownname VARCHAR2, tabname VARCHAR2, partname VARCHAR2 DEFAULT NULL, stattab VARCHAR2,
    statid VARCHAR2 DEFAULT NULL, cascade BOOLEAN DEFAULT TRUE,
    statown VARCHAR2 DEFAULT NULL,
    no_invalidate BOOLEAN DEFAULT to_no_invalidate_type(get_param('NO_INVALIDATE')),
    force BOOLEAN DEFAULT FALSE, stat_category VARCHAR2 DEFAULT 'OBJECT_STATS');
  PROCEDURE export_schema_stats(ownname VARCHAR2, stattab VARCHAR2,
                                statid VARCHAR2 DEFAULT NULL, statown VARCHAR2 DEFAULT NULL,
                                stat_category VARCHAR2 DEFAULT 'OBJECT_STATS');
  PROCEDURE import_schema_stats(
    ownname VARCHAR2, stattab VARCHAR2, statid VARCHAR2 DEFAULT NULL,
    statown VARCHAR2 DEFAULT NULL,
    no_invalidate BOOLEAN DEFAULT to_no_invalidate_type(get_param('NO_INVALIDATE')),
    force BOOLEAN DEFAULT FALSE, stat_category VARCHAR2 DEFAULT 'OBJECT_STATS');
  PROCEDURE flush_database_monitoring_info;

END dbms_stats;
