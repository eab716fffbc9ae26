#pragma once

#include <QString>

#include <string>
#include <vector>

namespace kit {

// The mathematics' HTML (UTF-8) as text for a label or a text browser.
inline QString html(const std::string& text) {
    return QString::fromStdString(text);
}

// Worked steps as a numbered list for a QTextBrowser.
inline QString stepList(const std::vector<std::string>& steps) {
    QString text = "<ol>";
    for (const std::string& step : steps)
        text += "<li>" + html(step) + "</li>";
    return text + "</ol>";
}

} // namespace kit
