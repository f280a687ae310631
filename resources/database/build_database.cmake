# Turns parameters.csv into the SQLite file embedded in the program.
# Called as: cmake -DSQLITE3=... -DCSV=... -DSCHEMA=... -DOUT=... -P build_database.cmake
file(REMOVE ${OUT} ${OUT}.tmp)
file(READ ${SCHEMA} schema)
file(WRITE ${OUT}.sql "${schema}\n.mode csv\n.import --skip 1 ${CSV} parameters\n")
execute_process(COMMAND ${SQLITE3} ${OUT}.tmp INPUT_FILE ${OUT}.sql RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT "${err}" STREQUAL "")
  file(REMOVE ${OUT}.tmp)
  message(FATAL_ERROR "parameter database: sqlite3 failed: ${err}")
endif()
file(RENAME ${OUT}.tmp ${OUT})
file(REMOVE ${OUT}.sql)
