# The save benchmark generates its file with the independent GPL .3do generator.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
target_compile_definitions(GPLTdoSaveBench PRIVATE
  VELMO_PYTHON3="${Python3_EXECUTABLE}"
  VELMO_GPL3DO_SCRIPT="${PROJECT_SOURCE_DIR}/tests/Papy/GPL/gpl3do.py")
