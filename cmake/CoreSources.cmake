# The portable core's sources, for every tree that builds it: the product,
# the core benchmarks and the fuzzers.  Set DERUVEZA_ROOT to the repository
# root first.
set(DERUVEZA_CORE_SOURCES
  ${DERUVEZA_ROOT}/common/FatalRuntimeError.cpp
  ${DERUVEZA_ROOT}/common/Lifecycle.cpp
  ${DERUVEZA_ROOT}/common/RunDirectory.cpp
  ${DERUVEZA_ROOT}/desktop/HotkeyModifiers.cpp
  ${DERUVEZA_ROOT}/history/HistoryExport.cpp
  ${DERUVEZA_ROOT}/history/HistoryLog.cpp
  ${DERUVEZA_ROOT}/history/HotkeyActions.cpp
  ${DERUVEZA_ROOT}/history/ReportTexts.cpp
  ${DERUVEZA_ROOT}/names/NameComposer.cpp
  ${DERUVEZA_ROOT}/names/NameListFile.cpp
  ${DERUVEZA_ROOT}/names/RandomSource.cpp
)
