# Sources of src/ui (paths relative to src/).
list(APPEND ZELQUIZ_CORE_SOURCES
  ui/AboutTexts.cpp
  ui/RegistryValue.cpp
  ui/SystemInfoLookup.cpp
  ui/WindowsSystemInfo.cpp
)
list(APPEND ZELQUIZ_GUI_SOURCES
  ui/AppIcon.cpp
  ui/DesktopSystemInfo.cpp
  ui/DetachedStarter.cpp
  ui/PlatformSystemInfo.cpp
  ui/frmAbout.cpp
  ui/frmSplash.cpp
)
