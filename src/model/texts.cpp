// Every text the game shows the player, in the order of texts.h.
#include "model/texts.h"

namespace kr::text {

const Text kGameName{"Крепостан"};
const Text kDefaultNick{"Player1"};
const Text kMainMenuTitle{"Игра"};
const Text kNewGame{"Начать новую одиночную игру"};
const Text kLoadGame{"Загрузить игру"};
const Text kNetworkGame{"Начать сетевую игру"};
const Text kExit{"Выход"};
const Text kAbout{"About"};
const Text kAboutTitle{"About"};
const Text kOk{"OK"};
const Text kAboutText{
    "Небольшая стратегия о том, как вырастить из одного штаба настоящую крепость. "
    "Стройте аккумуляторы, заводы и локатор, держите в равновесии энергию, металл и "
    "дерево, а когда Королевство позовёт — встречайте врага на границе. "
    "Удачи, Командир!"};
const Text kStart{"Начать"};
const Text kLoadTerrain{"Загрузить"};
const Text kQuitBriefing{"Выйти"};
const Text kNickPrompt{"Ваше имя?"};
const Text kLoadedAll{"100 %"};
const Text kPercentSuffix{" %"};
const Text kBriefingLevel1{
    "Милорд! Королевство нуждается в Вашей помощи! Нам нужны "
    "ресурсы! Ваше задание будет очень простым, но из-за этого "
    "не менее важным! Итак. Цели миссии: Собрать по 10000 единиц "
    "каждого из трех ресурсов. Места для строительства Мы можем "
    "выделить для Вас очень мало, но должно хватить... Если Вы "
    "покажете Себя с лучшей стороны, то Мы продолжим с Вами "
    "сотрудничать. Удачи, Командир! Посмотрим, что у Вас "
    "получится..."};
const Text kBriefingLevel2{
    "Что, расслабились? Рановато почивать на лаврах! Вы успешно "
    "справились с первым заданием! А посему, как лучшего "
    "Командующего Королевства, придется Вас сразу бросить в "
    "пекло Войны... Враг не дремлет и находится рядом с "
    "Королевством. Ваша база должна быть отстроена на границе. "
    "Задача же такова: Уничтожить подступающего к Королевству "
    "противника! Да так, чтобы он больше никогда не захотел "
    "делать попытку откусить лакомый кусочек от нашей Славной "
    "Державы! Покажите ему Кузькину мать!!!"};
const Text kGoalLevel1{"Цели миссии: Собрать по 10000 единиц каждого из трех ресурсов."};
const Text kGoalLevel2{"Цели миссии: Уничтожить подступающего к Королевству противника."};
const Text kBuildFrame{"Строительство"};
const Text kUnderConstruction{"СТРОИТЕЛЬСТВО"};
const Text kResourcesFrame{"Ресурсы"};
const Text kEnergyTitle{"Энергия: "};
const Text kMetalTitle{"Металл:   "};
const Text kWoodTitle{"Дерево:   "};
const Text kMinimapFrame{"Карта"};
const Text kPowerSwitchStored{"Включение"};
const Text kSwitchOn{"Включить"};
const Text kSwitchOff{"Отключить"};
const Text kEnergyPrice{"Э-{1}"};
const Text kMetalPrice{"М-{1}"};
const Text kWoodPrice{"Д-{1}"};
const Text kEffectEnergy{"Энергия: {1}"};
const Text kEffectMetal{"Металл: {1}"};
const Text kEffectWood{"Дерево: {1}"};
const Text kNoEffect{"--"};
const Text kAccumulatorLabel{"Энергия"};
const Text kAccumulatorTooltip{"Аккумулятор"};
const Text kAccumulatorName{"Аккумулятор"};
const Text kMetalWorksLabel{"Металл"};
const Text kMetalWorksTooltip{"Металло-перерабатывающий завод"};
const Text kMetalWorksName{"Металло-переработка"};
const Text kWoodWorksLabel{"Дерево"};
const Text kWoodWorksTooltip{"Дерево-перерабатывающий завод"};
const Text kWoodWorksName{"Дерево-переработка"};
const Text kLocatorLabel{"Локатор"};
const Text kLocatorTooltip{"Локатор"};
const Text kLocatorName{"Локатор"};
const Text kTankFactoryLabel{"Танковый завод"};
const Text kTankFactoryTooltip{"Завод по производству танков"};
const Text kTankFactoryName{"Танковый завод"};
const Text kTankLabel{"Танк"};
const Text kConverterTooltip{"Конвертер - сжигает дерево для получения электричества"};
const Text kConverterName{"Конвертер"};
const Text kHeadquartersName{"Строительный комплекс"};
const Text kDeveloperNick{"Velmarok"};
const Text kChatLine{"{1}: {2}"};
const Text kDeveloperModeOn{"{1} Режим девелопера был активирован"};
const Text kDeveloperModeOff{"{1} Режим девелопера был отключен"};
const Text kResourcesAdded{"{1} Ресурсы успешно добавлены"};
const Text kNotepadLine{"Блокнот: {1}"};
const Text kRestart{"Уровень заново"};
const Text kSave{"Сохранить"};
const Text kLoad{"Загрузить"};
const Text kNotepad{"Блокнот"};
const Text kMusicOff{"Выключить музыку"};
const Text kMusicOn{"Включить музыку"};
const Text kSecondTrack{"Rammstein!"};
const Text kFirstTrack{"In your face"};
const Text kSure{"Уверены?"};
const Text kSureToLoad{
    "Вы уверены, что хотите загрузить игру? (Все несохраненные данные будут утеряны!!!)"};
const Text kSureToExit{"Вы уверены, что хотите выйти? (Все несохраненные данные будут утеряны!!!)"};
const Text kMessageTitle{"Сообщение"};
const Text kYes{"Да"};
const Text kNo{"Нет"};
const Text kOkAnswer{"ОК"};
const Text kCongratulations{"Поздравляю!!!"};
const Text kLevelPassed{"Вы прошли этот уровень!"};
const Text kLevelSaved{"{1} Уровень {2} сохранен успешно"};
const Text kLoadedLevel{"Загруженный уровень: {1}"};
const Text kLoadedSuccessfully{"Загружено успешно!"};
const Text kLoadFailed{"Загрузить не получилось! Возможно поврежден файл сохранения"};
const Text kSaveFailed{"Ошибка! Проверьте, есть ли на диске свободное место"};
const Text kBackToMenu{"Вернуться в меню"};
const Text kNetworkDialogTitle{"Form4"};
const Text kNetworkGameTitle{"Сетевая игра"};
const Text kHost{"Засервить"};
const Text kJoin{"Присоединиться"};
const Text kAddressPrompt{"IP, к которому хотите подключиться"};
const Text kDefaultAddress{"192.168.0.2"};
const Text kConnectFailed{"Подключиться не получилось"};

}  // namespace kr::text
