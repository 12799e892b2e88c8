-- DBMS_AQ: the operational interface of Advanced Queuing: enqueue and dequeue (single and
-- array), listen. Payloads are RAW or any object type (ANYDATA, XMLTYPE, user types).
-- REGISTER, UNREGISTER, POST and the agent binding calls are not in the catalogue.
-- PARTIAL: the main subprograms only.
PACKAGE dbms_aq AUTHID CURRENT_USER AS

  -- visibility
  immediate CONSTANT BINARY_INTEGER := 1;
  on_commit CONSTANT BINARY_INTEGER := 2;
  -- dequeue_mode
  browse CONSTANT BINARY_INTEGER := 1;
  locked CONSTANT BINARY_INTEGER := 2;
  remove CONSTANT BINARY_INTEGER := 3;
  remove_nodata CONSTANT BINARY_INTEGER := 4;
  -- navigation
  first_message CONSTANT BINARY_INTEGER := 1;
  next_transaction CONSTANT BINARY_INTEGER := 2;
  next_message CONSTANT BINARY_INTEGER := 3;
  first_message_multi_group CONSTANT BINARY_INTEGER := 4;
  next_message_multi_group CONSTANT BINARY_INTEGER := 5;
  -- wait
  forever CONSTANT BINARY_INTEGER := -1;
  no_wait CONSTANT BINARY_INTEGER := 0;
  -- delay and expiration
  no_delay CONSTANT BINARY_INTEGER := 0;
  never CONSTANT BINARY_INTEGER := -1;
  -- message state
  ready CONSTANT BINARY_INTEGER := 0;
  waiting CONSTANT BINARY_INTEGER := 1;
  processed CONSTANT BINARY_INTEGER := 2;
  expired CONSTANT BINARY_INTEGER := 3;
  -- delivery_mode
  persistent CONSTANT PLS_INTEGER := 1;
  buffered CONSTANT PLS_INTEGER := 2;
  persistent_or_buffered CONSTANT PLS_INTEGER := 3;
  -- sequence_deviation
  before CONSTANT BINARY_INTEGER := 2;
  top CONSTANT BINARY_INTEGER := 3;
  -- notification namespaces
  namespace_aq CONSTANT PLS_INTEGER := 1;
  namespace_anonymous CONSTANT PLS_INTEGER := 2;

  TYPE aq$_recipient_list_t IS TABLE OF aq$_agent INDEX BY BINARY_INTEGER;
  TYPE aq$_agent_list_t IS TABLE OF aq$_agent INDEX BY BINARY_INTEGER;

  TYPE enqueue_options_t IS RECORD (
    visibility BINARY_INTEGER DEFAULT on_commit,
    relative_msgid RAW(16) DEFAULT NULL,
    sequence_deviation BINARY_INTEGER DEFAULT NULL,
    transformation VARCHAR2(261) DEFAULT NULL,
    delivery_mode PLS_INTEGER NOT NULL DEFAULT persistent);
  TYPE dequeue_options_t IS RECORD (
    consumer_name VARCHAR2(128) DEFAULT NULL,
    dequeue_mode BINARY_INTEGER DEFAULT remove,
    navigation BINARY_INTEGER DEFAULT next_message,
    visibility BINARY_INTEGER DEFAULT on_commit,
    wait BINARY_INTEGER DEFAULT forever,
    msgid RAW(16) DEFAULT NULL,
    correlation VARCHAR2(128) DEFAULT NULL,
    deq_condition VARCHAR2(4000) DEFAULT NULL,
    signature aq$_sig_prop DEFAULT NULL,
    transformation VARCHAR2(261) DEFAULT NULL,
    delivery_mode PLS_INTEGER DEFAULT persistent);
  TYPE message_properties_t IS RECORD (
    priority BINARY_INTEGER NOT NULL DEFAULT 1,
    delay BINARY_INTEGER NOT NULL DEFAULT no_delay,
    expiration BINARY_INTEGER NOT NULL DEFAULT never,
    correlation VARCHAR2(128) DEFAULT NULL,
    attempts BINARY_INTEGER,
    recipient_list aq$_recipient_list_t,
    exception_queue VARCHAR2(261) DEFAULT NULL,
    enqueue_time DATE,
    state BINARY_INTEGER,
    sender_id aq$_agent DEFAULT NULL,
    original_msgid RAW(16) DEFAULT NULL,
    signature aq$_sig_prop DEFAULT NULL,
    transaction_group VARCHAR2(30) DEFAULT NULL,
    user_property anydata DEFAULT NULL,
    delivery_mode PLS_INTEGER NOT NULL DEFAULT persistent);
  TYPE message_properties_array_t IS VARRAY(2147483647) OF message_properties_t;
  TYPE msgid_array_t IS TABLE OF RAW(16) INDEX BY BINARY_INTEGER;

  PROCEDURE enqueue(queue_name IN VARCHAR2, enqueue_options IN enqueue_options_t,
                    message_properties IN message_properties_t, payload IN "<ADT_1>",
                    msgid OUT RAW);
  PROCEDURE enqueue(queue_name IN VARCHAR2, enqueue_options IN enqueue_options_t,
                    message_properties IN message_properties_t, payload IN RAW,
                    msgid OUT RAW);
  PROCEDURE dequeue(queue_name IN VARCHAR2, dequeue_options IN dequeue_options_t,
                    message_properties OUT message_properties_t, payload OUT "<ADT_1>",
                    msgid OUT RAW);
  PROCEDURE dequeue(queue_name IN VARCHAR2, dequeue_options IN dequeue_options_t,
                    message_properties OUT message_properties_t, payload OUT RAW,
                    msgid OUT RAW);
  FUNCTION enqueue_array(queue_name IN VARCHAR2, enqueue_options IN enqueue_options_t,
                         array_size IN PLS_INTEGER,
                         message_properties_array IN message_properties_array_t,
                         payload_array IN "<COLLECTION_1>", msgid_array OUT msgid_array_t)
    RETURN PLS_INTEGER;
  FUNCTION dequeue_array(queue_name IN VARCHAR2, dequeue_options IN dequeue_options_t,
                         array_size IN PLS_INTEGER,
                         message_properties_array OUT message_properties_array_t,
                         payload_array OUT "<COLLECTION_1>", msgid_array OUT msgid_array_t)
    RETURN PLS_INTEGER;
  PROCEDURE listen(agent_list IN aq$_agent_list_t, wait IN BINARY_INTEGER DEFAULT forever,
                   agent OUT aq$_agent);
  PROCEDURE listen(agent_list IN aq$_agent_list_t, wait IN BINARY_INTEGER DEFAULT forever,
                   listen_delivery_mode IN PLS_INTEGER DEFAULT persistent,
                   agent OUT aq$_agent, message_delivery_mode OUT PLS_INTEGER);

END dbms_aq;
