# Sources of src/scores (paths relative to src/).
list(APPEND ZELQUIZ_CORE_SOURCES
  scores/HighScoreTable.cpp
  scores/QtSettingsStore.cpp
)
list(APPEND ZELQUIZ_GUI_SOURCES
  scores/frmHighScore.cpp
  scores/frmHSName.cpp
)
