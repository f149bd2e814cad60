#pragma once

#include "runtime/help/HelpWindow.h"

#include <QHash>
#include <QPointer>
#include <QString>

#include <optional>
#include <vector>

namespace help
{

inline constexpr int ContextContents = 100;
inline constexpr int ContextTechnicalSupport = 104;

// Context id -> topic file, read from lines "<contextId> <file>" ("#" starts a comment).
class TopicMap
{
public:
    static TopicMap parse(const QString& text);
    static TopicMap load(const QString& mapFile); // a missing file gives an empty map
    std::optional<QString> file(int contextId) const;
    int size() const { return static_cast<int>(m_files.size()); }

private:
    QHash<int, QString> m_files;
};

class HelpService
{
public:
    virtual ~HelpService() = default;
    virtual void showTopic(int contextId) = 0;
};

// Installs a service (not owned; nullptr restores the Qt one) and returns the previous one.
HelpService* setHelpService(HelpService* service);
HelpService* helpService();
// Shows a topic through the installed service.
void showTopic(int contextId);

// One reused help window (HelpWindow) over the HTML topics in a folder with its map file "topics.txt".
// An unmapped id shows the contents topic; a missing contents topic shows a short notice.
class QtHelpWindow : public HelpService
{
public:
    explicit QtHelpWindow(QString folder = QString()); // empty: <program folder>/help
    ~QtHelpWindow() override;
    void showTopic(int contextId) override;
    HelpWindow* window() const { return m_window; }
    QString folder() const { return m_folder; }

private:
    QString m_folder;
    TopicMap m_map;
    bool m_mapLoaded = false;
    QPointer<HelpWindow> m_window;
};

// Test fake: installs itself while it lives and logs the ids asked for.
class ScriptedHelp : public HelpService
{
public:
    ScriptedHelp();
    ~ScriptedHelp() override;
    ScriptedHelp(const ScriptedHelp&) = delete;
    ScriptedHelp& operator=(const ScriptedHelp&) = delete;
    void showTopic(int contextId) override { m_topics.push_back(contextId); }
    const std::vector<int>& topics() const { return m_topics; }

private:
    std::vector<int> m_topics;
    HelpService* m_previous = nullptr;
};

} // namespace help
