-- AQ$_AGENT: a producer or consumer of Advanced Queuing messages (subscriber, sender,
-- listen agent).
TYPE aq$_agent AS OBJECT (
  name VARCHAR2(512),
  address VARCHAR2(1024),
  protocol NUMBER
);
