#pragma once

// The program's name and its maker's addresses, for every window and service.
namespace lettrava {

// The application's title, used as the caption of its plain messages.
inline constexpr const char* kApplicationTitle = "Lettrava";

// The addresses of the program's maker: its web site, feedback page and mail.
inline constexpr const char* kProductWebSite = "https://lettrava.org/";
inline constexpr const char* kFeedbackPage = "https://lettrava.org/feedback";
inline constexpr const char* kFeedbackMail = "feedback@lettrava.org";

} // namespace lettrava
