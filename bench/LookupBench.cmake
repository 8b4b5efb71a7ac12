# The look-up benchmark: names looked up in a folder of 100,000 files. It prints figures and
# asserts nothing; its test is labelled perf, outside the normal run.
add_test(NAME LookupBench COMMAND LookupBench)
set_tests_properties(LookupBench PROPERTIES LABELS perf)
