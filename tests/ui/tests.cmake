# The test program of src/ui (paths relative to tests/).
zelquiz_test(test_ui
  ui/SplashTest.cpp
  ui/AboutTest.cpp
  ui/SystemInfoTest.cpp
)
