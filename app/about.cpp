#include "app/about.h"

std::string AboutText(const std::string& version, const std::string& copyright,
                      const std::string& homePageAddress) {
    std::size_t scheme = homePageAddress.find("://");
    std::string withoutScheme =
        scheme == std::string::npos ? homePageAddress : homePageAddress.substr(scheme + 3);
    return "Festmelder\r\n"
           "Version: " +
           version +
           "\r\n"
           "\r\n" +
           copyright +
           "\r\n"
           "\r\n"
           "Dieses Programm ist Freeware.\r\n"
           "\r\n"
           "Bitte beachten Sie die Lizenzinformationen\t\r\n"
           "in der beiliegenden Textdatei.\r\n"
           "\r\n" +
           withoutScheme;
}
