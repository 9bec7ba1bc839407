# The test program of src/scores (paths relative to tests/).
zelquiz_test(test_scores
  scores/HighScoreTableTest.cpp
  scores/HighScoreWindowTest.cpp
)
