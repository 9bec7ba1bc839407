# The test program of src/update (paths relative to tests/).
zelquiz_test(test_update
  update/CheckWindowTest.cpp
  update/DownloadTest.cpp
  update/FetcherTest.cpp
  update/LeadingNumberTest.cpp
)
