#include "core/seasonsigns.h"
#include "tests/core/signcheck.h"

#include <gtest/gtest.h>

namespace tarvenik {
namespace {

using test::expectSigns;

TEST(CelticTree, FirstAndLastDayOfEveryRange) {
    expectSigns(
        celticTree,
        {
            {1, 1, "Jabloň"},     {1, 2, "Jedle"},     {1, 11, "Jedle"},    {1, 12, "Jilm"},
            {1, 24, "Jilm"},      {1, 25, "Cypřiš"},   {2, 3, "Cypřiš"},    {2, 4, "Topol"},
            {2, 8, "Topol"},      {2, 9, "Cedr"},      {2, 18, "Cedr"},     {2, 19, "Borovice"},
            {2, 28, "Borovice"},  {2, 29, "Borovice"}, {3, 1, "Vrba"},      {3, 10, "Vrba"},
            {3, 11, "Lípa"},      {3, 20, "Lípa"},     {3, 21, "Dub"},      {3, 22, "Líska"},
            {3, 31, "Líska"},     {4, 1, "Jeřáb"},     {4, 10, "Jeřáb"},    {4, 11, "Javor"},
            {4, 20, "Javor"},     {4, 21, "Ořešák"},   {4, 30, "Ořešák"},   {5, 1, "Topol"},
            {5, 14, "Topol"},     {5, 15, "Kaštan"},   {5, 24, "Kaštan"},   {5, 25, "Jasan"},
            {6, 3, "Jasan"},      {6, 4, "Habr"},      {6, 13, "Habr"},     {6, 14, "Fíkovník"},
            {6, 23, "Fíkovník"},  {6, 24, "Bříza"},    {6, 25, "Jabloň"},   {7, 4, "Jabloň"},
            {7, 5, "Jedle"},      {7, 14, "Jedle"},    {7, 15, "Jilm"},     {7, 25, "Jilm"},
            {7, 26, "Cypřiš"},    {8, 4, "Cypřiš"},    {8, 5, "Topol"},     {8, 13, "Topol"},
            {8, 14, "Cedr"},      {8, 23, "Cedr"},     {8, 24, "Borovice"}, {9, 2, "Borovice"},
            {9, 3, "Vrba"},       {9, 12, "Vrba"},     {9, 13, "Lípa"},     {9, 22, "Lípa"},
            {9, 23, "Oliva"},     {9, 24, "Líska"},    {10, 3, "Líska"},    {10, 4, "Jeřáb"},
            {10, 13, "Jeřáb"},    {10, 14, "Javor"},   {10, 28, "Javor"},   {10, 29, "Ořešák"},
            {11, 11, "Ořešák"},   {11, 12, "Kaštan"},  {11, 21, "Kaštan"},  {11, 22, "Jasan"},
            {12, 1, "Jasan"},     {12, 2, "Habr"},     {12, 11, "Habr"},    {12, 12, "Fíkovník"},
            {12, 21, "Fíkovník"}, {12, 22, "Buk"},     {12, 23, "Jabloň"},  {12, 31, "Jabloň"},
        });
}

// The first Borovice range is written to end on 29 February; in a common year it must
// still end on the 28th and leave 1 March to Vrba.
TEST(CelticTree, BoroviceEndsWithFebruaryOfTheBirthYear) {
    EXPECT_EQ(celticTree(2001, 2, 28), "Borovice");
    EXPECT_EQ(celticTree(2001, 2, 29), "");
    EXPECT_EQ(celticTree(2001, 3, 1), "Vrba");
    EXPECT_EQ(celticTree(2000, 2, 29), "Borovice");
    EXPECT_EQ(celticTree(2000, 3, 1), "Vrba");
}

TEST(EgyptianGod, FirstAndLastDayOfEveryRange) {
    expectSigns(egyptianGod, {
                                 {1, 1, "Hathor"},      {1, 29, "Hathor"},    {1, 30, "Amon - Rea"},
                                 {2, 29, "Amon - Rea"}, {3, 1, "Amon - Rea"}, {3, 2, "Mut"},
                                 {4, 3, "Mut"},         {4, 4, "Eset"},       {5, 6, "Eset"},
                                 {5, 7, "Horus"},       {6, 8, "Horus"},      {6, 9, "Geb"},
                                 {7, 12, "Geb"},        {7, 13, "Sachmet"},   {8, 14, "Sachmet"},
                                 {8, 15, "Toth"},       {9, 16, "Toth"},      {9, 17, "Sutech"},
                                 {10, 20, "Sutech"},    {10, 21, "Usir"},     {11, 25, "Usir"},
                                 {11, 26, "Anubis"},    {12, 28, "Anubis"},   {12, 29, "Hathor"},
                                 {12, 31, "Hathor"},
                             });
}

TEST(CyclicPeriodAndNativeAnimal, ShareEveryRange) {
    struct Row {
        int month, day;
        const char* period;
        const char* animal;
    };
    constexpr Row rows[] = {
        {1, 1, "Doba hlubokého spánku", "Husa"},
        {1, 19, "Doba hlubokého spánku", "Husa"},
        {1, 20, "Doba ticha", "Vydra"},
        {2, 18, "Doba ticha", "Vydra"},
        {2, 19, "Doba obnovy", "Vlk"},
        {2, 29, "Doba obnovy", "Vlk"},
        {3, 20, "Doba obnovy", "Vlk"},
        {3, 21, "Doba probuzení", "Sokol"},
        {4, 19, "Doba probuzení", "Sokol"},
        {4, 20, "Doba růstu", "Bobr"},
        {5, 20, "Doba růstu", "Bobr"},
        {5, 21, "Doba rozkvětu", "Jelen"},
        {6, 20, "Doba rozkvětu", "Jelen"},
        {6, 21, "Doba dlouhých dnů", "Datel"},
        {7, 21, "Doba dlouhých dnů", "Datel"},
        {7, 22, "Doba zrání", "Losos"},
        {8, 21, "Doba zrání", "Losos"},
        {8, 22, "Doba žní", "Medvěd"},
        {9, 21, "Doba žní", "Medvěd"},
        {9, 22, "Doba padajícího listí", "Havran"},
        {10, 22, "Doba padajícího listí", "Havran"},
        {10, 23, "Doba prvních mrazů", "Had"},
        {11, 22, "Doba prvních mrazů", "Had"},
        {11, 23, "Doba dlouhých nocí", "Sova"},
        {12, 21, "Doba dlouhých nocí", "Sova"},
        {12, 22, "Doba hlubokého spánku", "Husa"},
        {12, 31, "Doba hlubokého spánku", "Husa"},
    };
    for (const Row& row : rows) {
        expectSigns(cyclicPeriod, {{row.month, row.day, row.period}});
        expectSigns(nativeAnimal, {{row.month, row.day, row.animal}});
    }
}

} // namespace
} // namespace tarvenik
