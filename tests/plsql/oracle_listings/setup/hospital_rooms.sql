REM A second hospital schema (patients, rooms, admissions). The column names are those the
REM session's DESC and USER_TAB_COLUMNS listings show; the types of columns the listings do
REM not show are plausible stand-ins.
CREATE TABLE Patient (
    PatientID     NUMBER NOT NULL,
    FirstName     VARCHAR2(50),
    LastName      VARCHAR2(50),
    Gender        VARCHAR2(10),
    DateOfBirth   DATE,
    ContactNumber VARCHAR2(20),
    Address       VARCHAR2(200)
);

CREATE TABLE Room (
    RoomID       NUMBER NOT NULL,
    RoomNumber   VARCHAR2(10),
    RoomType     VARCHAR2(20),
    DepartmentID NUMBER
);

CREATE TABLE Admission (
    AdmissionID   NUMBER NOT NULL,
    PatientID     NUMBER,
    RoomID        NUMBER,
    AdmissionDate DATE,
    DischargeDate DATE
);
