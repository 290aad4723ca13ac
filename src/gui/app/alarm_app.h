#pragma once

class SingleInstance;

// The application: runs the main window modally; when that run returns the
// program ends.
class CAlarmApp {
 public:
  explicit CAlarmApp(SingleInstance* instance = nullptr) : m_instance(instance) {}
  bool InitInstance();

 private:
  SingleInstance* m_instance;
};
