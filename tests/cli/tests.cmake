# The test program of the command line, the bank check, the executable's
# options and the kept fuzz cases (paths relative to tests/).
zelquiz_test(test_cli
  cli/BankCheckTest.cpp
  cli/CommandLineTest.cpp
  cli/FuzzRegressionTest.cpp
  cli/ProgramTest.cpp
  ${PROJECT_SOURCE_DIR}/fuzz/BankProperty.cpp
  ${PROJECT_SOURCE_DIR}/fuzz/LeadingNumberProperty.cpp
  ${PROJECT_SOURCE_DIR}/fuzz/ScoresProperty.cpp
)
target_include_directories(test_cli PRIVATE ${PROJECT_SOURCE_DIR}/fuzz)
# ProgramTest starts the real executable, with its bank beside it.
add_dependencies(test_cli zelquiz)
set_property(TEST test_cli APPEND PROPERTY ENVIRONMENT
  "ZELQUIZ_EXE=$<TARGET_FILE:zelquiz>"
  "ZELQUIZ_FUZZ_DIR=${PROJECT_SOURCE_DIR}/fuzz")
