#pragma once
// Settings files for the tests, in the host's folder or any other.
#include <string>

// The folder that the plugin takes for the host executable's own.
std::string HostFolder();

// The folder's subfolder of that name, made if missing.
std::string Subfolder(const std::string &folder, const std::string &name);

// Writes folder/plugins/dovrink.ini, or removes it for an empty text.
void WriteSettings(const std::string &folder, const std::string &text);

// The current directory, changed for the life of the object.
class CurrentDirectory {
  public:
    explicit CurrentDirectory(const std::string &folder);
    ~CurrentDirectory();
    CurrentDirectory(const CurrentDirectory &) = delete;
    CurrentDirectory &operator=(const CurrentDirectory &) = delete;

  private:
    std::string Previous;
};
