// Every text the game shows the player, in one place, grouped by where it appears.
#pragma once

namespace kr::text {

inline constexpr const char* kGameName = "Крепостан";
inline constexpr const char* kDefaultNick = "Player1";

// The main menu and the about box.
inline constexpr const char* kMainMenuTitle = "Игра";
inline constexpr const char* kNewGame = "Начать новую одиночную игру";
inline constexpr const char* kLoadGame = "Загрузить игру";
inline constexpr const char* kNetworkGame = "Начать сетевую игру";
inline constexpr const char* kExit = "Выход";
inline constexpr const char* kAbout = "About";
inline constexpr const char* kAboutTitle = "About";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kAboutText =
    "Небольшая стратегия о том, как вырастить из одного штаба настоящую крепость. "
    "Стройте аккумуляторы, заводы и локатор, держите в равновесии энергию, металл и "
    "дерево, а когда Королевство позовёт — встречайте врага на границе. "
    "Удачи, Командир!";

// The briefing and loading screen.
inline constexpr const char* kStart = "Начать";
inline constexpr const char* kLoadTerrain = "Загрузить";
inline constexpr const char* kQuitBriefing = "Выйти";
inline constexpr const char* kNickPrompt = "Ваше имя?";
inline constexpr const char* kLoadedAll = "100 %";
inline constexpr const char* kPercentSuffix = " %";
inline constexpr const char* kBriefingLevel1 =
    "Милорд! Королевство нуждается в Вашей помощи! Нам нужны "
    "ресурсы! Ваше задание будет очень простым, но из-за этого "
    "не менее важным! Итак. Цели миссии: Собрать по 10000 единиц "
    "каждого из трех ресурсов. Места для строительства Мы можем "
    "выделить для Вас очень мало, но должно хватить... Если Вы "
    "покажете Себя с лучшей стороны, то Мы продолжим с Вами "
    "сотрудничать. Удачи, Командир! Посмотрим, что у Вас "
    "получится...";
inline constexpr const char* kBriefingLevel2 =
    "Что, расслабились? Рановато почивать на лаврах! Вы успешно "
    "справились с первым заданием! А посему, как лучшего "
    "Командующего Королевства, придется Вас сразу бросить в "
    "пекло Войны... Враг не дремлет и находится рядом с "
    "Королевством. Ваша база должна быть отстроена на границе. "
    "Задача же такова: Уничтожить подступающего к Королевству "
    "противника! Да так, чтобы он больше никогда не захотел "
    "делать попытку откусить лакомый кусочек от нашей Славной "
    "Державы! Покажите ему Кузькину мать!!!";
inline constexpr const char* kGoalLevel1 =
    "Цели миссии: Собрать по 10000 единиц каждого из трех ресурсов.";
inline constexpr const char* kGoalLevel2 =
    "Цели миссии: Уничтожить подступающего к Королевству противника.";

// The battlefield's panels.
inline constexpr const char* kBuildFrame = "Строительство";
inline constexpr const char* kUnderConstruction = "СТРОИТЕЛЬСТВО";
inline constexpr const char* kResourcesFrame = "Ресурсы";
inline constexpr const char* kEnergyTitle = "Энергия: ";
inline constexpr const char* kMetalTitle = "Металл:   ";
inline constexpr const char* kWoodTitle = "Дерево:   ";
inline constexpr const char* kMinimapFrame = "Карта";
inline constexpr const char* kPowerSwitchStored = "Включение";
inline constexpr const char* kSwitchOn = "Включить";
inline constexpr const char* kSwitchOff = "Отключить";

// The buildings: palette captions (a label, then the price), tooltips on the map, and the
// inspection panel's name and effect lines.
inline constexpr const char* kPriceEnergy = " Э-";
inline constexpr const char* kPriceMetal = " М-";
inline constexpr const char* kPriceWood = " Д-";
inline constexpr const char* kEffectEnergy = "Энергия: ";
inline constexpr const char* kEffectMetal = "Металл: ";
inline constexpr const char* kEffectWood = "Дерево: ";
inline constexpr const char* kNoEffect = "--";
inline constexpr const char* kAccumulatorLabel = "Энергия";
inline constexpr const char* kAccumulatorTooltip = "Аккумулятор";
inline constexpr const char* kAccumulatorName = "Аккумулятор";
inline constexpr const char* kMetalWorksLabel = "Металл";
inline constexpr const char* kMetalWorksTooltip = "Металло-перерабатывающий завод";
inline constexpr const char* kMetalWorksName = "Металло-переработка";
inline constexpr const char* kWoodWorksLabel = "Дерево";
inline constexpr const char* kWoodWorksTooltip = "Дерево-перерабатывающий завод";
inline constexpr const char* kWoodWorksName = "Дерево-переработка";
inline constexpr const char* kLocatorLabel = "Локатор";
inline constexpr const char* kLocatorTooltip = "Локатор";
inline constexpr const char* kLocatorName = "Локатор";
inline constexpr const char* kTankFactoryLabel = "Танковый завод";
inline constexpr const char* kTankFactoryTooltip = "Завод по производству танков";
inline constexpr const char* kTankFactoryName = "Танковый завод";
inline constexpr const char* kTankLabel = "Танк";
inline constexpr const char* kConverterTooltip =
    "Конвертер - сжигает дерево для получения электричества";
inline constexpr const char* kConverterName = "Конвертер";
inline constexpr const char* kHeadquartersName = "Строительный комплекс";

// The chat box and its console commands.
inline constexpr const char* kDeveloperNick = "Velmarok";
inline constexpr const char* kDeveloperModeOn = " Режим девелопера был активирован";
inline constexpr const char* kDeveloperModeOff = " Режим девелопера был отключен";
inline constexpr const char* kResourcesAdded = " Ресурсы успешно добавлены";
inline constexpr const char* kNotepadLinePrefix = "Блокнот: ";

// The game menu and its questions.
inline constexpr const char* kRestart = "Уровень заново";
inline constexpr const char* kSave = "Сохранить";
inline constexpr const char* kLoad = "Загрузить";
inline constexpr const char* kNotepad = "Блокнот";
inline constexpr const char* kMusicOff = "Выключить музыку";
inline constexpr const char* kMusicOn = "Включить музыку";
inline constexpr const char* kSecondTrack = "Rammstein!";   // the track switch, to the second track
inline constexpr const char* kFirstTrack = "In your face";  // the track switch, back to the first
inline constexpr const char* kSure = "Уверены?";
inline constexpr const char* kSureToLoad =
    "Вы уверены, что хотите загрузить игру? (Все несохраненные данные будут утеряны!!!)";
inline constexpr const char* kSureToExit =
    "Вы уверены, что хотите выйти? (Все несохраненные данные будут утеряны!!!)";

// The game's message box.
inline constexpr const char* kMessageTitle = "Сообщение";
inline constexpr const char* kYes = "Да";
inline constexpr const char* kNo = "Нет";
// In Cyrillic letters: the "Нет" button's caption when it is the only answer.
inline constexpr const char* kOkAnswer = "ОК";
inline constexpr const char* kCongratulations = "Поздравляю!!!";
inline constexpr const char* kLevelPassed = "Вы прошли этот уровень!";

// The saved game.
inline constexpr const char* kSavedLevel = " Уровень ";  // "<nick> Уровень <n> сохранен успешно"
inline constexpr const char* kSavedSuccessfully = " сохранен успешно";
inline constexpr const char* kLoadedLevel = "Загруженный уровень: ";
inline constexpr const char* kLoadedSuccessfully = "Загружено успешно!";
inline constexpr const char* kLoadFailed =
    "Загрузить не получилось! Возможно поврежден файл сохранения";
inline constexpr const char* kSaveFailed = "Ошибка! Проверьте, есть ли на диске свободное место";

// The notepad and the network dialog.
inline constexpr const char* kBackToMenu = "Вернуться в меню";
inline constexpr const char* kNetworkDialogTitle = "Form4";  // the title the player sees
inline constexpr const char* kNetworkGameTitle = "Сетевая игра";
inline constexpr const char* kHost = "Засервить";
inline constexpr const char* kJoin = "Присоединиться";
inline constexpr const char* kAddressPrompt = "IP, к которому хотите подключиться";
inline constexpr const char* kDefaultAddress = "192.168.0.2";
inline constexpr const char* kConnectFailed = "Подключиться не получилось";

}  // namespace kr::text
