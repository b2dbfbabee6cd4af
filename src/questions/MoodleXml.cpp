#include "questions/MoodleXml.h"

#include "questions/CategoryName.h"
#include "questions/MoodleQuestion.h"
#include "questions/TextEncoding.h"
#include "questions/XmlDocument.h"

#include <string>
#include <utility>
#include <vector>

bool isXmlFile(std::string_view bytes) {
    // The declaration is XML's signature, which file managers know it by too: a file that opens
    // with one is XML even where its declaration is at fault.
    if (withoutByteOrderMark(bytes).starts_with("<?xml"))
        return true;
    const XmlStart start = readXmlStart(bytes);
    return start.hasDtd || start.rootName == "quiz";
}

TeacherTests readMoodleXml(std::string_view bytes, const FitCheck& fits) {
    if (bytes.size() > largestMoodleXmlFile)
        return refusedTeacherTests(
            {0, "the file is larger than " + std::to_string(largestMoodleXmlFile >> 20) + " MiB"});
    auto parsed = parseXmlDocument(bytes);
    if (auto* fault = std::get_if<Finding>(&parsed))
        return refusedTeacherTests(std::move(*fault));
    const xmlNode* quiz = xmlDocGetRootElement(std::get<XmlDocument>(parsed).get());
    if (nameOf(quiz) != "quiz")
        return refusedTeacherTests(
            {lineOf(quiz), "this XML is not a Moodle quiz export: its root element is <" +
                               std::string(nameOf(quiz)) + ">, not <quiz>"});

    std::vector<ReadQuestion> questions;
    std::vector<std::string> categories{std::string()};
    for (const xmlNode* question : childElements(quiz, "question")) {
        if (attributeOf(question, "type") == "category")
            categories.push_back(
                categoryName(textOf(childElement(childElement(question, "category"), "text"))));
        else
            questions.push_back(
                {lineOf(question), int(categories.size() - 1), readMoodleQuestion(question)});
    }
    return dealTeacherTests(std::move(questions), categories, fits);
}
