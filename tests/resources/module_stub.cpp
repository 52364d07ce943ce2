// The code of the test modules; what matters is the sections around it.
extern "C" int contour_test_module_marker() { return 42; }
