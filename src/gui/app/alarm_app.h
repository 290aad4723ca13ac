#pragma once

#include <filesystem>
#include <utility>

class SingleInstance;

// The application: runs the main window modally; when that run returns the
// program ends.
class CAlarmApp {
 public:
  // folder: the alarms folder, the current directory (none: never entered again).
  explicit CAlarmApp(std::filesystem::path folder = {}, SingleInstance* instance = nullptr)
      : m_folder(std::move(folder)), m_instance(instance) {}
  bool InitInstance();

 private:
  std::filesystem::path m_folder;
  SingleInstance* m_instance;
};
