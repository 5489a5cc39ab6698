CREATE TABLE clients(id      STRING (50) PRIMARY KEY,address STRING (150),number STRING (10),neighborhood STRING (50),city STRING (50),state STRING (50),country STRING (50),lat STRING (50),long STRING (50),code STRING (100));
CREATE TABLE vehicles(id      STRING (50) PRIMARY KEY,capacity INTEGER,available INTEGER,fix_cost DOUBLE,var_cost DOUBLE);
CREATE TABLE settings(setting                STRING (100) PRIMARY KEY,value                  STRING (150));
CREATE TABLE instances(id      STRING (50) PRIMARY KEY,date    STRING (15),coded_date    STRING (15),total_distance  DOUBLE,total_time DOUBLE,json STRING,cost DOUBLE);
