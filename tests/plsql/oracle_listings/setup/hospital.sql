REM The tables and sequences of a hospital records schema, as its Oracle 21c session created them.
CREATE TABLE patients (
  patient_id NUMBER PRIMARY KEY,
  name VARCHAR2(100),
  age NUMBER,
  gender VARCHAR2(10),
  contact VARCHAR2(20)
);

CREATE TABLE doctors (
  doctor_id NUMBER PRIMARY KEY,
  name VARCHAR2(100),
  specialty VARCHAR2(50),
  phone VARCHAR2(20)
);

CREATE TABLE appointments (
  appointment_id NUMBER PRIMARY KEY,
  patient_id NUMBER REFERENCES patients(patient_id),
  doctor_id NUMBER REFERENCES doctors(doctor_id),
  appointment_date DATE,
  reason VARCHAR2(200)
);

CREATE TABLE treatments (
  treatment_id NUMBER PRIMARY KEY,
  appointment_id NUMBER REFERENCES appointments(appointment_id),
  diagnosis VARCHAR2(200),
  prescription VARCHAR2(200),
  notes VARCHAR2(300)
);

CREATE TABLE bills (
  bill_id NUMBER PRIMARY KEY,
  patient_id NUMBER REFERENCES patients(patient_id),
  treatment_id NUMBER REFERENCES treatments(treatment_id),
  amount NUMBER(10, 2),
  payment_status VARCHAR2(20)
);

CREATE SEQUENCE patient_seq START WITH 1 INCREMENT BY 1;
CREATE SEQUENCE doctor_seq START WITH 1 INCREMENT BY 1;
CREATE SEQUENCE appointment_seq START WITH 1 INCREMENT BY 1;
CREATE SEQUENCE treatment_seq START WITH 1 INCREMENT BY 1;
CREATE SEQUENCE bill_seq START WITH 1 INCREMENT BY 1;
