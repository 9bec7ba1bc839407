# Sources of src/update (paths relative to src/).

# The update server the program asks when the settings name none (section
# "update", key "baseurl"). It ends with "/"; the file names follow it.
set(ZELQUIZ_UPDATE_URL "http://localhost:8000/" CACHE STRING
    "Base URL of the update server (scheme, host and \"/\"), used unless the settings name one")

list(APPEND ZELQUIZ_CORE_SOURCES
  update/DownloadPlan.cpp
  update/DownloadWriter.cpp
  update/LeadingNumber.cpp
  update/UpdateBaseUrl.cpp
  update/VersionCheck.cpp
)
list(APPEND ZELQUIZ_GUI_SOURCES
  update/InputSwallower.cpp
  update/QtHttpFetcher.cpp
  update/frmChkUpdt.cpp
)
set_source_files_properties(update/UpdateBaseUrl.cpp PROPERTIES
  COMPILE_DEFINITIONS "ZELQUIZ_UPDATE_URL=\"${ZELQUIZ_UPDATE_URL}\"")
