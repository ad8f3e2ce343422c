#pragma once
// Profile file objects: short-lived handles on one INI-format file, named at creation.

#include <stdexcept>
#include <string>

namespace zembo {

// A write into a profile file failed: "Unable to write to <file name>".
class EIniFileException : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TCustomIniFile {
  public:
    explicit TCustomIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
    virtual ~TCustomIniFile() = default;
    TCustomIniFile(const TCustomIniFile&) = delete;
    TCustomIniFile& operator=(const TCustomIniFile&) = delete;

    const std::string& FileName() const { return fileName_; }

    virtual std::string ReadValue(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) = 0;
    virtual void WriteValue(const std::string& section, const std::string& key,
                            const std::string& value) = 0;
    // "1" for true, "0" for false.
    virtual void WriteFlag(const std::string& section, const std::string& key, bool flag);
    virtual void Flush() = 0;

  private:
    std::string fileName_;
};

// A profile file on disk through the profile service. A bare name lies in the settings folder.
class TIniFile final : public TCustomIniFile {
  public:
    explicit TIniFile(std::string fileName) : TCustomIniFile(std::move(fileName)) {}
    ~TIniFile() override;

    std::string ReadValue(const std::string& section, const std::string& key,
                          const std::string& defaultValue) override;
    // Raises EIniFileException when the value cannot be written; the file is then unchanged.
    void WriteValue(const std::string& section, const std::string& key,
                    const std::string& value) override;
    // Makes this object's writes durable; raises EIniFileException when the disk does not take
    // them (a stick pulled, say). Freeing the object flushes too, silently.
    void Flush() override;

  private:
    bool written_ = false;
};

}  // namespace zembo
