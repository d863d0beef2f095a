// Where the running project runs: this machine, or the remote station that the
// project settings name (section "Remote": "Station", "Port"), reached over TCP.
#pragma once
#include <string>

namespace orv::remote {

constexpr int kDefaultPort = 17350;
constexpr unsigned kTimeoutMs = 2000;

struct StationSettings {
  std::wstring station;  // empty: the project runs locally
  int port = kDefaultPort;
};

StationSettings ReadStationSettings();

// Sends one request line and reads the answer line (without its line feed).
// False when the station cannot be reached or does not answer in time.
bool Exchange(const StationSettings& where, const std::string& request, std::string& answer);

}  // namespace orv::remote
