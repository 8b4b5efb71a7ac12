# The load benchmark generates its file with the independent N2 .3do generator.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
target_compile_definitions(N2TdoLoadBench PRIVATE
  VELMO_PYTHON3="${Python3_EXECUTABLE}"
  VELMO_N2TDO_SCRIPT="${PROJECT_SOURCE_DIR}/tests/Papy/N2/n2tdo.py")
