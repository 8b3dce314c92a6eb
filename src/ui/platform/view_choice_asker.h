#pragma once

namespace tabloom {

enum class ViewChoice { NotNow, AsHtmlCode, InBrowser };

// Asks the user how to view the output file.
class ViewChoiceAsker {
  public:
    virtual ~ViewChoiceAsker() = default;
    virtual ViewChoice Ask() = 0;
};

}  // namespace tabloom
