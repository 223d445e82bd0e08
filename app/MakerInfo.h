#pragma once
// The maker's contact details, shown in the status line, the about and customer-service
// windows, and handed to the system by the help commands. Kept in one place so a
// distributor changes them once.
inline constexpr char16_t kMakerTel[] = u"400-800-1234";
inline constexpr char16_t kMakerQQ[] = u"800012345";
inline constexpr char16_t kMakerContact[] = u"客服部";
inline constexpr char16_t kMakerMail[] = u"support@kelvaro.example";
inline constexpr char16_t kMakerHome[] = u"https://kelvaro.example/";
// The web-chat page of the QQ messaging service.
inline constexpr char16_t kQQChatHost[] = u"https://wpa.qq.com";
