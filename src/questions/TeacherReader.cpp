#include "questions/TeacherReader.h"

TeacherTests readTeacherTests(std::string_view bytes, const FitCheck& fits) {
    return isXmlFile(bytes) ? readMoodleXml(bytes, fits) : readGift(bytes, fits);
}
