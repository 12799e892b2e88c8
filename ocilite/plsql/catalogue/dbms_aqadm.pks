-- DBMS_AQADM: administration of Advanced Queuing: queue tables, queues, subscribers and
-- privileges (the main subprograms; propagation, transformations and the JMS and
-- sharded-queue extras are not in the catalogue).
-- PARTIAL: the main subprograms only.
PACKAGE dbms_aqadm AUTHID CURRENT_USER AS

  -- queue_type
  normal_queue CONSTANT BINARY_INTEGER := 0;
  exception_queue CONSTANT BINARY_INTEGER := 1;
  non_persistent_queue CONSTANT BINARY_INTEGER := 2;
  -- message_grouping and replication_mode
  none CONSTANT BINARY_INTEGER := 0;
  transactional CONSTANT BINARY_INTEGER := 1;
  -- retention_time
  infinite CONSTANT BINARY_INTEGER := -1;
  -- delivery_mode
  persistent CONSTANT PLS_INTEGER := 1;
  buffered CONSTANT PLS_INTEGER := 2;
  persistent_or_buffered CONSTANT PLS_INTEGER := 3;

  TYPE aq$_purge_options_t IS RECORD (
    block BOOLEAN DEFAULT FALSE,
    delivery_mode PLS_INTEGER DEFAULT persistent);

  PROCEDURE create_queue_table(queue_table IN VARCHAR2, queue_payload_type IN VARCHAR2,
                               storage_clause IN VARCHAR2 DEFAULT NULL,
                               sort_list IN VARCHAR2 DEFAULT NULL,
                               multiple_consumers IN BOOLEAN DEFAULT FALSE,
                               message_grouping IN BINARY_INTEGER DEFAULT none,
                               comment IN VARCHAR2 DEFAULT NULL,
                               auto_commit IN BOOLEAN DEFAULT TRUE,
                               primary_instance IN BINARY_INTEGER DEFAULT 0,
                               secondary_instance IN BINARY_INTEGER DEFAULT 0,
                               compatible IN VARCHAR2 DEFAULT NULL,
                               secure IN BOOLEAN DEFAULT FALSE,
                               replication_mode IN BINARY_INTEGER DEFAULT none);
  PROCEDURE alter_queue_table(queue_table IN VARCHAR2, comment IN VARCHAR2 DEFAULT NULL,
                              primary_instance IN BINARY_INTEGER DEFAULT NULL,
                              secondary_instance IN BINARY_INTEGER DEFAULT NULL,
                              replication_mode IN BINARY_INTEGER DEFAULT NULL);
  PROCEDURE drop_queue_table(queue_table IN VARCHAR2, force IN BOOLEAN DEFAULT FALSE,
                             auto_commit IN BOOLEAN DEFAULT TRUE);
  PROCEDURE purge_queue_table(queue_table IN VARCHAR2, purge_condition IN VARCHAR2,
                              purge_options IN aq$_purge_options_t);
  PROCEDURE create_queue(queue_name IN VARCHAR2, queue_table IN VARCHAR2,
                         queue_type IN BINARY_INTEGER DEFAULT normal_queue,
                         max_retries IN NUMBER DEFAULT NULL, retry_delay IN NUMBER DEFAULT 0,
                         retention_time IN NUMBER DEFAULT 0,
                         dependency_tracking IN BOOLEAN DEFAULT FALSE,
                         comment IN VARCHAR2 DEFAULT NULL,
                         auto_commit IN BOOLEAN DEFAULT TRUE);
  PROCEDURE alter_queue(queue_name IN VARCHAR2, max_retries IN NUMBER DEFAULT NULL,
                        retry_delay IN NUMBER DEFAULT NULL,
                        retention_time IN NUMBER DEFAULT NULL,
                        auto_commit IN BOOLEAN DEFAULT TRUE, comment IN VARCHAR2 DEFAULT NULL);
  PROCEDURE drop_queue(queue_name IN VARCHAR2, auto_commit IN BOOLEAN DEFAULT TRUE);
  PROCEDURE start_queue(queue_name IN VARCHAR2, enqueue IN BOOLEAN DEFAULT TRUE,
                        dequeue IN BOOLEAN DEFAULT TRUE);
  PROCEDURE stop_queue(queue_name IN VARCHAR2, enqueue IN BOOLEAN DEFAULT TRUE,
                       dequeue IN BOOLEAN DEFAULT TRUE, wait IN BOOLEAN DEFAULT TRUE);
  PROCEDURE create_sharded_queue(queue_name IN VARCHAR2,
                                 storage_clause IN VARCHAR2 DEFAULT NULL,
                                 multiple_consumers IN BOOLEAN DEFAULT FALSE,
                                 max_retries IN NUMBER DEFAULT NULL,
                                 comment IN VARCHAR2 DEFAULT NULL);
  PROCEDURE drop_sharded_queue(queue_name IN VARCHAR2, force IN BOOLEAN DEFAULT FALSE);
  PROCEDURE add_subscriber(queue_name IN VARCHAR2, subscriber IN aq$_agent,
                           rule IN VARCHAR2 DEFAULT NULL,
                           transformation IN VARCHAR2 DEFAULT NULL,
                           queue_to_queue IN BOOLEAN DEFAULT FALSE,
                           delivery_mode IN PLS_INTEGER DEFAULT persistent);
  PROCEDURE alter_subscriber(queue_name IN VARCHAR2, subscriber IN aq$_agent,
                             rule IN VARCHAR2, transformation IN VARCHAR2);
  PROCEDURE remove_subscriber(queue_name IN VARCHAR2, subscriber IN aq$_agent);
  PROCEDURE grant_queue_privilege(privilege IN VARCHAR2, queue_name IN VARCHAR2,
                                  grantee IN VARCHAR2, grant_option IN BOOLEAN DEFAULT FALSE);
  PROCEDURE revoke_queue_privilege(privilege IN VARCHAR2, queue_name IN VARCHAR2,
                                   grantee IN VARCHAR2);
  PROCEDURE grant_system_privilege(privilege IN VARCHAR2, grantee IN VARCHAR2,
                                   admin_option IN BOOLEAN DEFAULT FALSE);
  PROCEDURE revoke_system_privilege(privilege IN VARCHAR2, grantee IN VARCHAR2);

END dbms_aqadm;
