#pragma once
// The program's messages while a probe command runs: each one meant for the
// engineer goes to standard error; questions get their default answer.

#include <ostream>

#include "platform/services.h"

namespace probe {

class ErrorStreamMessages final : public platform::MessageService {
 public:
  explicit ErrorStreamMessages(std::ostream& err) : err_(err) { platform::setMessageService(this); }
  ~ErrorStreamMessages() override { platform::setMessageService(nullptr); }
  ErrorStreamMessages(const ErrorStreamMessages&) = delete;
  ErrorStreamMessages& operator=(const ErrorStreamMessages&) = delete;
  platform::MessageAnswer show(const platform::MessageRequest& request) override {
    err_ << "design-probe: " << request.text.toStdString() << '\n';
    return platform::defaultAnswer(request);
  }

 private:
  std::ostream& err_;
};

}  // namespace probe
