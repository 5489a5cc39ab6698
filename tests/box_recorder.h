#pragma once
// Records every message box the code under test shows, answered without a person: questions
// take the queued answers in order, then No.

#include "message_box.h"

#include <QLabel>
#include <QStringList>

#include <deque>
#include <vector>

class BoxRecorder {
public:
    struct Box {  // s_status: the status-bar text while the box was open
        QString s_title, s_text;
        bool is_question;
        QString s_status;
    };

    explicit BoxRecorder(const QLabel* status = nullptr) : status_label(status)
    {
        message_box::set_handler(
            [this](const QString& s_title, const QString& s_text, bool is_question) {
                v_boxes.push_back({s_title, s_text, is_question,
                                   status_label ? status_label->text() : QString()});
                const bool answer = is_question && !answers.empty() && answers.front();
                if (is_question && !answers.empty()) answers.pop_front();
                return answer;
            });
    }
    ~BoxRecorder() { message_box::set_handler(nullptr); }
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;

    void answer(std::initializer_list<bool> v_answers) { answers.insert(answers.end(), v_answers); }
    QStringList texts() const
    {
        QStringList v_texts;
        for (const Box& box : v_boxes) v_texts.append(box.s_text);
        return v_texts;
    }
    // "title | text" of every box.
    QStringList titled() const
    {
        QStringList v_texts;
        for (const Box& box : v_boxes) v_texts.append(box.s_title + " | " + box.s_text);
        return v_texts;
    }

    const QLabel* status_label;
    std::vector<Box> v_boxes;
    std::deque<bool> answers;
};
